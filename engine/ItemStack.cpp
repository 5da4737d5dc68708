#include "engine/ItemStack.h"

#include <algorithm>
#include <cstring>

std::unique_ptr<TItemStack> TItemStack::Create(uint16_t ItemSize) {
  if (ItemSize == 0) return nullptr;
  return std::unique_ptr<TItemStack>(new TItemStack(ItemSize));
}

TItemStack::TItemStack(uint16_t ItemSize) : FItemSize(ItemSize) { Grow(); }

void TItemStack::Grow() {
  FCapacity += Step;
  size_t Need = static_cast<size_t>(FCapacity) * FItemSize;
  if (FData.size() < Need) FData.resize(std::max(Need, FData.size() * 2));
}

void TItemStack::Shrink() {
  if (!ShrinkEnabled || FCapacity - FCount <= Step) return;
  FCapacity = FCount;
  if (FCount == 0) Grow();
  // Give memory back only when far above what the capacity needs.
  size_t Need = static_cast<size_t>(FCapacity) * FItemSize;
  if (FData.size() > 4 * Need) {
    FData.resize(2 * Need);
    FData.shrink_to_fit();
  }
}

bool TItemStack::Push(const void* Item) {
  if (!Item) return false;
  if (FCount == FCapacity) Grow();
  std::memcpy(FData.data() + static_cast<size_t>(FCount) * FItemSize, Item, FItemSize);
  ++FCount;
  return true;
}

bool TItemStack::Pop(void* Item) {
  if (!Item || FCount == 0) return false;
  --FCount;
  std::memcpy(Item, FData.data() + static_cast<size_t>(FCount) * FItemSize, FItemSize);
  Shrink();
  return true;
}

TItemStack& HiddenForms() {
  static std::unique_ptr<TItemStack> Stack = TItemStack::Create(sizeof(void*));
  return *Stack;
}

TItemStack& LevelStack() {
  static std::unique_ptr<TItemStack> Stack = TItemStack::Create(sizeof(int32_t));
  return *Stack;
}

namespace {
// Created with the program, before any window exists.
[[maybe_unused]] const bool SharedStacksReady = (HiddenForms(), LevelStack(), true);
}  // namespace

bool PushForm(void* Form) { return HiddenForms().Push(&Form); }

void* PopForm() {
  void* Form = nullptr;
  return HiddenForms().Pop(&Form) ? Form : nullptr;
}

bool PushInt(int32_t Value) { return LevelStack().Push(&Value); }

int32_t PopInt() {
  int32_t Value = 0;
  return LevelStack().Pop(&Value) ? Value : 0;
}

int32_t PopIntShrink(bool Shrink) {
  LevelStack().ShrinkEnabled = Shrink;
  return PopInt();
}
