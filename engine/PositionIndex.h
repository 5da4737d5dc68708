#pragma once
// The storage behind one index of a TRecordTable: an ordered sequence of
// record references addressed by position. References live in chunks of at
// most MaxChunk; a Fenwick tree over the chunk sizes turns a position into a
// chunk in logarithmic time, and every record carries, in a slot just before
// its bytes, the chunk that holds it in each index, so a record's position is
// found by identity without any search. Insertion and removal move at most
// one chunk's references. Each reference carries a 64-bit key prefix (see
// TRecordTable) so that most comparisons need not touch the record.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TPositionIndex {
public:
  struct TEntry {
    uint64_t Key;
    uint8_t* Rec;
  };
  struct TChunk {
    std::vector<TEntry> Items;
    int32_t Id = 0;  // stable while the chunk lives; FOrdinal[Id] is its place
  };

  static constexpr int32_t MaxChunk = 512;

  // Slot: which back-reference slot before each record block this index uses
  // (slot s is the pointer at ((TChunk**)Rec)[-1 - s]).
  explicit TPositionIndex(int32_t Slot);
  ~TPositionIndex();
  TPositionIndex(const TPositionIndex&) = delete;
  TPositionIndex& operator=(const TPositionIndex&) = delete;

  int32_t Count() const { return FCount; }
  uint8_t* At(int32_t Pos) const { return EntryAt(Pos).Rec; }  // Pos must be in range
  const TEntry& EntryAt(int32_t Pos) const;
  void InsertAt(int32_t Pos, uint8_t* Rec, uint64_t Key);
  void RemoveAt(int32_t Pos);
  // The key prefix kept beside the reference at Pos (Pos must be in range).
  void SetKeyAt(int32_t Pos, uint64_t Key);
  int32_t PositionOf(const uint8_t* Rec) const;  // the record must be in this index
  // Replaces the contents with Ordered (bulk build).
  void Assign(const std::vector<uint8_t*>& Ordered, const std::function<uint64_t(const uint8_t*)>& KeyOf);
  void Clear();

  // The first position whose entry is not Less (Less must be monotone over the sequence).
  template <typename Less>
  int32_t LowerBound(Less&& IsLess) const {
    int32_t C = static_cast<int32_t>(FFirsts.size());
    int32_t lo = 0, hi = C;  // first chunk whose first item is not less
    while (lo < hi) {
      int32_t mid = lo + (hi - lo) / 2;
      if (IsLess(FFirsts[mid])) lo = mid + 1; else hi = mid;
    }
    if (lo == 0) return 0;
    const TChunk& Ch = *FChunks[lo - 1];
    int32_t a = 1, b = static_cast<int32_t>(Ch.Items.size());  // item 0 is known to be less
    while (a < b) {
      int32_t mid = a + (b - a) / 2;
      if (IsLess(Ch.Items[mid])) a = mid + 1; else b = mid;
    }
    return Prefix(lo - 1) + a;
  }

  // Calls F(Rec) for every record in order.
  template <typename F>
  void ForEach(F&& Fn) const {
    for (const auto& Ch : FChunks)
      for (const TEntry& E : Ch->Items) Fn(E.Rec);
  }

private:
  TChunk*& SlotOf(const uint8_t* Rec) const;
  int32_t Prefix(int32_t Chunk) const;  // records in chunks before Chunk
  void Locate(int32_t Pos, int32_t& Chunk, int32_t& Offset) const;
  void FenwickAdd(int32_t Chunk, int32_t Delta);
  // Ordinals and the Fenwick tree after a chunk came or went. Reads only the
  // contiguous side arrays, never the chunks themselves.
  void Rebuild();
  void InsertChunk(int32_t At, std::unique_ptr<TChunk> Ch);
  void EraseChunk(int32_t At);
  void SplitChunk(int32_t Chunk);
  void AfterRemoval(int32_t Chunk);

  int32_t FSlot;
  int32_t FCount = 0;
  std::vector<std::unique_ptr<TChunk>> FChunks;
  std::vector<TEntry> FFirsts;     // first entry of each chunk
  std::vector<int32_t> FSizes;     // size of each chunk
  std::vector<int32_t> FIds;       // id of each chunk
  std::vector<int32_t> FOrdinal;   // chunk place by id
  std::vector<int32_t> FFreeIds;
  std::vector<int32_t> FFenwick;
  mutable int32_t FCacheChunk = -1;  // last chunk At() used, with its first position
  mutable int32_t FCacheStart = 0;
};

// Where a plain bisection (mid = (lo + hi) / 2) over N sorted records first
// meets a record of the equal span [Lo, Hi); Lo when the span is empty. The
// path of such a bisection depends on these three numbers only.
inline int32_t BisectionMeets(int32_t Lo, int32_t Hi, int32_t N) {
  int32_t lo = 0, hi = N - 1;
  while (lo <= hi) {
    int32_t mid = (lo + hi) / 2;
    if (mid < Lo) lo = mid + 1;
    else if (mid >= Hi) hi = mid - 1;
    else return mid;
  }
  return lo;
}
