#pragma once
// The storage behind one index of a TRecordTable: an ordered sequence of
// record references addressed by position. References live in chunks of at
// most MaxChunk; a Fenwick tree over the chunk sizes turns a position into a
// chunk in logarithmic time, and every record carries, in a slot just before
// its bytes, the chunk that holds it in each index and where in that chunk it
// was last seen, so a record's position is found by identity: the hint is
// exact until neighbours come or go, and then a short look around it.
// Insertion and removal move at most one chunk's references, a removal only
// those on the shorter side of it (the room freed before a chunk's first entry
// is taken by later insertions). Each reference carries a 64-bit key prefix
// (see TRecordTable) so that most comparisons need not touch the record.

#include <cstdint>
#include <functional>
#include <vector>

class TPositionIndex {
public:
  struct TEntry {
    uint64_t Key;
    uint8_t* Rec;
  };
  // A chunk's entries are Buf from Begin on: a removal moves the shorter side
  // of its entry, so the room it frees may lie before Begin.
  struct TChunk {
    std::vector<TEntry> Buf;
    int32_t Begin = 0;
    int32_t Id = 0;  // stable while the chunk lives; FOrdinal[Id] is its place
    const TEntry* Data() const { return Buf.data() + Begin; }
    TEntry* Data() { return Buf.data() + Begin; }
    int32_t Size() const { return static_cast<int32_t>(Buf.size()) - Begin; }
    void Insert(int32_t At, TEntry E);
    void Erase(int32_t At);
    void Compact();  // Begin back to 0
  };

  static constexpr int32_t MaxChunk = 512;
  static constexpr int32_t FarHint = 32;  // a search this far from the hint re-settles the chunk

  // What each record block carries per index, just before its bytes.
  struct TSlot {
    int32_t Chunk;  // the id of the chunk that holds the record
    int32_t Hint;   // where in it the record was last seen
  };
  // Slot: which slot before each record block this index uses (slot s is
  // ((TSlot*)Rec)[-1 - s]).
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
  void Prefetch(const uint8_t* Rec) const;       // asks for the memory PositionOf(Rec) will read
  // Replaces the contents with Ordered (bulk build).
  void Assign(const std::vector<uint8_t*>& Ordered, const std::function<uint64_t(const uint8_t*)>& KeyOf);
  void Clear();
  size_t EntrySlots() const;  // entries the chunks have room for, taken or not

  // The first position whose entry is not Less (Less must be monotone over the sequence).
  template <typename Less>
  int32_t LowerBound(Less&& IsLess) const {
    const int32_t C = static_cast<int32_t>(FFirsts.size());
    if (C == 0 || !IsLess(FFirsts[0])) return 0;
    const int32_t Chunk = CountLess(FFirsts.data(), C, IsLess) - 1;  // its first item is less
    const TChunk& Ch = FChunks[Chunk];
    return Prefix(Chunk) + CountLess(Ch.Data(), Ch.Size(), IsLess);
  }

  // Calls F(Rec) for every record in order.
  template <typename F>
  void ForEach(F&& Fn) const {
    for (const auto& Ch : FChunks)
      for (int32_t i = 0; i < Ch.Size(); ++i) Fn(Ch.Data()[i].Rec);
  }

private:
  // How many of the N sorted entries at E are Less: a descent of fixed
  // length with no early exit.
  template <typename Less>
  static int32_t CountLess(const TEntry* E, int32_t N, Less& IsLess) {
    const TEntry* Base = E;
    for (int32_t Len = N; Len > 1;) {
      const int32_t Half = Len / 2;
      Base = IsLess(Base[Half]) ? Base + Half : Base;
      Len -= Half;
    }
    return static_cast<int32_t>(Base - E) + (IsLess(*Base) ? 1 : 0);
  }
  TSlot& SlotOf(const uint8_t* Rec) const;
  // Points the slots of Ch's items from From on at them (the slots are the
  // records' memory, hence const).
  void Settle(const TChunk& Ch, int32_t From) const;
  int32_t Prefix(int32_t Chunk) const;  // records in chunks before Chunk
  void Locate(int32_t Pos, int32_t& Chunk, int32_t& Offset) const;
  void Find(int32_t Pos, int32_t& Chunk, int32_t& Offset) const;  // Locate, trying the last chunk found first
  void FenwickAdd(int32_t Chunk, int32_t Delta);
  // Ordinals and the Fenwick tree after a chunk came or went, chunks before
  // From being as they were. Reads only the contiguous side arrays, never the
  // chunks themselves.
  void Rebuild(int32_t From = 0);
  void InsertChunk(int32_t At, std::vector<TEntry> Items);  // gives the new chunk its id
  void EraseChunk(int32_t At);
  void SplitChunk(int32_t Chunk);
  void AfterRemoval(int32_t Chunk);

  int32_t FSlot;
  int32_t FCount = 0;
  // Held by value: finding a chunk touches this array, not one more allocation.
  std::vector<TChunk> FChunks;
  std::vector<TEntry> FFirsts;     // first entry of each chunk
  std::vector<int32_t> FSizes;     // size of each chunk
  std::vector<int32_t> FOrdinal;   // chunk place by id
  std::vector<int32_t> FFreeIds;
  std::vector<int32_t> FFenwick;   // padded past the last chunk to 2 * FTopStep
  int32_t FTopStep = 0;            // the largest power of two not above the chunk count, 0 for none
  mutable int32_t FCacheChunk = -1;  // last chunk Find() met, with its first position; -1 after any change
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
