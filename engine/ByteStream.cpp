#include "engine/ByteStream.h"

#include <cstring>

size_t TMemoryStream::Read(void* Buffer, size_t N) {
  size_t Left = FPos < FBytes.size() ? FBytes.size() - FPos : 0;
  if (N > Left) N = Left;
  if (N) std::memcpy(Buffer, FBytes.data() + FPos, N);
  FPos += N;
  return N;
}

size_t TMemoryStream::Write(const void* Buffer, size_t N) {
  if (N == 0) return 0;
  if (FBytes.size() < FPos + N) FBytes.resize(FPos + N);
  std::memcpy(FBytes.data() + FPos, Buffer, N);
  FPos += N;
  return N;
}

bool TMemoryStream::Seek(int64_t Pos) {
  if (Pos < 0 || Pos > static_cast<int64_t>(FBytes.size())) return false;
  FPos = static_cast<size_t>(Pos);
  return true;
}

std::unique_ptr<TFileStream> TFileStream::Open(const std::string& Path, TFileMode Mode) {
  const char* M = Mode == fmRead ? "rb" : Mode == fmCreate ? "w+b" : "r+b";
  std::FILE* F = std::fopen(Path.c_str(), M);
  if (!F) return nullptr;
  return std::unique_ptr<TFileStream>(new TFileStream(F));
}

TFileStream::~TFileStream() { Close(); }

bool TFileStream::Close() {
  if (!FFile) return true;
  bool Ok = std::fclose(FFile) == 0;
  FFile = nullptr;
  return Ok;
}

// stdio needs a positioning call between a write and a following read.
size_t TFileStream::Read(void* Buffer, size_t N) {
  if (!FFile) return 0;
  if (FLastWasWrite) {
    std::fseek(FFile, 0, SEEK_CUR);
    FLastWasWrite = false;
  }
  return std::fread(Buffer, 1, N, FFile);
}

size_t TFileStream::Write(const void* Buffer, size_t N) {
  if (!FFile) return 0;
  if (!FLastWasWrite) {
    std::fseek(FFile, 0, SEEK_CUR);
    FLastWasWrite = true;
  }
  return std::fwrite(Buffer, 1, N, FFile);
}

int64_t TFileStream::Position() const { return FFile ? static_cast<int64_t>(std::ftell(FFile)) : -1; }

bool TFileStream::Seek(int64_t Pos) {
  return FFile && Pos >= 0 && std::fseek(FFile, static_cast<long>(Pos), SEEK_SET) == 0;
}

int64_t TFileStream::Size() const {
  if (!FFile) return -1;
  long Here = std::ftell(FFile);
  if (Here < 0 || std::fseek(FFile, 0, SEEK_END) != 0) return -1;
  long End = std::ftell(FFile);
  std::fseek(FFile, Here, SEEK_SET);
  return End;
}

bool TFileStream::Flush() { return FFile && std::fflush(FFile) == 0; }
