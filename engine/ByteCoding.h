#pragma once
// Little-endian encode/decode of fixed-width values at a byte offset. Records
// have no alignment, so every access goes through memcpy. The Get* readers
// of a bounded span take the bounds and report failure by their result.

#include <cstddef>
#include <cstdint>
#include <bit>
#include <cstring>
#include <type_traits>

static_assert(std::endian::native == std::endian::little, "records are stored as in memory: little-endian");

template <typename T>
inline T LoadAt(const void* Base, size_t Offset) {
  static_assert(std::is_trivially_copyable_v<T>);
  T V;
  std::memcpy(&V, static_cast<const uint8_t*>(Base) + Offset, sizeof V);
  return V;
}

template <typename T>
inline void StoreAt(void* Base, size_t Offset, T V) {
  static_assert(std::is_trivially_copyable_v<T>);
  std::memcpy(static_cast<uint8_t*>(Base) + Offset, &V, sizeof V);
}

// Record field access by byte offset (offsets come from TRecordTable::FieldOffset).
inline void* RefAt(const void* Rec, size_t Offset) { return LoadAt<void*>(Rec, Offset); }
inline void SetRefAt(void* Rec, size_t Offset, const void* Ref) { StoreAt<const void*>(Rec, Offset, Ref); }
inline uint8_t* TextAt(const void* Rec, size_t Offset) { return static_cast<uint8_t*>(RefAt(Rec, Offset)); }
inline int32_t LongIntAt(const void* Rec, size_t Offset) { return LoadAt<int32_t>(Rec, Offset); }
inline void SetLongIntAt(void* Rec, size_t Offset, int32_t V) { StoreAt<int32_t>(Rec, Offset, V); }

// A read cursor over a bounded byte span.
class TByteReader {
public:
  TByteReader(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
  size_t Left() const { return FSize - FPos; }
  bool GetBytes(void* Out, size_t N) {
    if (N > Left()) return false;
    if (N) std::memcpy(Out, FData + FPos, N);
    FPos += N;
    return true;
  }
  template <typename T>
  bool Get(T& Out) { return GetBytes(&Out, sizeof Out); }

private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};
