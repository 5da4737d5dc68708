#include "engine/OwnedText.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
uint8_t SharedEmpty[1] = {0};
}

const PText EmptyText = SharedEmpty;

PText NewText(const uint8_t* T) {
  if (!T || T[0] == 0) return EmptyText;
  auto* Copy = static_cast<uint8_t*>(std::malloc(1u + T[0]));
  if (Copy) std::memcpy(Copy, T, 1u + T[0]);
  return Copy;
}

PText NewTextFrom(std::string_view S) {
  size_t N = std::min<size_t>(S.size(), 255);
  if (N == 0) return EmptyText;
  auto* Copy = static_cast<uint8_t*>(std::malloc(1 + N));
  if (!Copy) return nullptr;
  Copy[0] = static_cast<uint8_t>(N);
  std::memcpy(Copy + 1, S.data(), N);
  return Copy;
}

void DisposeText(PText T) {
  if (T && T != EmptyText) std::free(T);
}

std::string_view TextView(const uint8_t* T) {
  if (!T) return {};
  return std::string_view(reinterpret_cast<const char*>(T + 1), T[0]);
}

char* NewCText(std::string_view S) {
  auto* Copy = static_cast<char*>(std::malloc(S.size() + 1));
  if (!Copy) return nullptr;
  if (!S.empty()) std::memcpy(Copy, S.data(), S.size());
  Copy[S.size()] = 0;
  return Copy;
}

void DisposeCText(char* T) { std::free(T); }
