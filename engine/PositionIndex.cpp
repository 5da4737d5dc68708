#include "engine/PositionIndex.h"

#include <algorithm>

namespace {
// Bulk builds leave room so that the first insertions do not split at once.
constexpr size_t FillChunk = TPositionIndex::MaxChunk * 3 / 4;
}  // namespace

TPositionIndex::TPositionIndex(int32_t Slot) : FSlot(Slot) {}
TPositionIndex::~TPositionIndex() = default;

TPositionIndex::TChunk*& TPositionIndex::SlotOf(const uint8_t* Rec) const {
  return *(reinterpret_cast<TChunk**>(const_cast<uint8_t*>(Rec)) - 1 - FSlot);
}

int32_t TPositionIndex::Prefix(int32_t Chunk) const {
  int32_t Sum = 0;
  for (int32_t i = Chunk; i > 0; i -= i & -i) Sum += FFenwick[i];
  return Sum;
}

void TPositionIndex::FenwickAdd(int32_t Chunk, int32_t Delta) {
  int32_t C = static_cast<int32_t>(FChunks.size());
  FSizes[Chunk] += Delta;
  for (int32_t i = Chunk + 1; i <= C; i += i & -i) FFenwick[i] += Delta;
}

void TPositionIndex::Locate(int32_t Pos, int32_t& Chunk, int32_t& Offset) const {
  int32_t C = static_cast<int32_t>(FChunks.size());
  int32_t Step = 1;
  while (Step * 2 <= C) Step *= 2;
  int32_t Idx = 0, Rem = Pos;
  for (; Step; Step >>= 1) {
    if (Idx + Step <= C && FFenwick[Idx + Step] <= Rem) {
      Idx += Step;
      Rem -= FFenwick[Idx];
    }
  }
  Chunk = Idx;
  Offset = Rem;
}

void TPositionIndex::Rebuild() {
  int32_t C = static_cast<int32_t>(FChunks.size());
  FFenwick.assign(C + 1, 0);
  for (int32_t c = 0; c < C; ++c) {
    FOrdinal[FIds[c]] = c;
    int32_t i = c + 1;
    FFenwick[i] += FSizes[c];
    int32_t j = i + (i & -i);
    if (j <= C) FFenwick[j] += FFenwick[i];
  }
  FCacheChunk = -1;
}

void TPositionIndex::InsertChunk(int32_t At, std::unique_ptr<TChunk> Ch) {
  if (FFreeIds.empty()) {
    FFreeIds.push_back(static_cast<int32_t>(FOrdinal.size()));
    FOrdinal.push_back(0);
  }
  Ch->Id = FFreeIds.back();
  FFreeIds.pop_back();
  FIds.insert(FIds.begin() + At, Ch->Id);
  FSizes.insert(FSizes.begin() + At, static_cast<int32_t>(Ch->Items.size()));
  FFirsts.insert(FFirsts.begin() + At, Ch->Items.front());
  FChunks.insert(FChunks.begin() + At, std::move(Ch));
}

void TPositionIndex::EraseChunk(int32_t At) {
  FFreeIds.push_back(FIds[At]);
  FIds.erase(FIds.begin() + At);
  FSizes.erase(FSizes.begin() + At);
  FFirsts.erase(FFirsts.begin() + At);
  FChunks.erase(FChunks.begin() + At);
}

const TPositionIndex::TEntry& TPositionIndex::EntryAt(int32_t Pos) const {
  int32_t C = static_cast<int32_t>(FChunks.size());
  // Walks over positions in order are the common case: try the last chunk and its successor.
  if (FCacheChunk >= 0 && FCacheChunk < C) {
    int32_t Size = FSizes[FCacheChunk];
    if (Pos >= FCacheStart && Pos < FCacheStart + Size) return FChunks[FCacheChunk]->Items[Pos - FCacheStart];
    if (Pos >= FCacheStart + Size && FCacheChunk + 1 < C) {
      int32_t NextStart = FCacheStart + Size;
      if (Pos < NextStart + FSizes[FCacheChunk + 1]) {
        ++FCacheChunk;
        FCacheStart = NextStart;
        return FChunks[FCacheChunk]->Items[Pos - NextStart];
      }
    }
  }
  int32_t Chunk, Offset;
  Locate(Pos, Chunk, Offset);
  FCacheChunk = Chunk;
  FCacheStart = Pos - Offset;
  return FChunks[Chunk]->Items[Offset];
}

void TPositionIndex::InsertAt(int32_t Pos, uint8_t* Rec, uint64_t Key) {
  FCacheChunk = -1;
  if (FChunks.empty()) {
    auto Ch = std::make_unique<TChunk>();
    Ch->Items.reserve(FillChunk);
    Ch->Items.push_back({Key, Rec});
    SlotOf(Rec) = Ch.get();
    InsertChunk(0, std::move(Ch));
    FCount = 1;
    Rebuild();
    return;
  }
  int32_t Chunk, Offset;
  if (Pos >= FCount) {
    Chunk = static_cast<int32_t>(FChunks.size()) - 1;
    Offset = FSizes[Chunk];
  } else {
    Locate(Pos, Chunk, Offset);
  }
  TChunk& Ch = *FChunks[Chunk];
  Ch.Items.insert(Ch.Items.begin() + Offset, TEntry{Key, Rec});
  SlotOf(Rec) = &Ch;
  if (Offset == 0) FFirsts[Chunk] = {Key, Rec};
  FenwickAdd(Chunk, 1);
  ++FCount;
  if (static_cast<int32_t>(Ch.Items.size()) > MaxChunk) SplitChunk(Chunk);
}

void TPositionIndex::SplitChunk(int32_t Chunk) {
  TChunk& Ch = *FChunks[Chunk];
  auto Tail = std::make_unique<TChunk>();
  size_t Half = Ch.Items.size() / 2;
  Tail->Items.reserve(MaxChunk + 1);
  Tail->Items.assign(Ch.Items.begin() + Half, Ch.Items.end());
  Ch.Items.resize(Half);
  FSizes[Chunk] = static_cast<int32_t>(Half);
  for (const TEntry& E : Tail->Items) SlotOf(E.Rec) = Tail.get();
  InsertChunk(Chunk + 1, std::move(Tail));
  Rebuild();
}

void TPositionIndex::RemoveAt(int32_t Pos) {
  FCacheChunk = -1;
  int32_t Chunk, Offset;
  Locate(Pos, Chunk, Offset);
  TChunk& Ch = *FChunks[Chunk];
  Ch.Items.erase(Ch.Items.begin() + Offset);
  --FCount;
  if (Ch.Items.empty()) {
    EraseChunk(Chunk);
    Rebuild();
    return;
  }
  if (Offset == 0) FFirsts[Chunk] = Ch.Items.front();
  FenwickAdd(Chunk, -1);
  AfterRemoval(Chunk);
}

void TPositionIndex::SetKeyAt(int32_t Pos, uint64_t Key) {
  int32_t Chunk, Offset;
  Locate(Pos, Chunk, Offset);
  FChunks[Chunk]->Items[Offset].Key = Key;
  if (Offset == 0) FFirsts[Chunk].Key = Key;
}

void TPositionIndex::AfterRemoval(int32_t Chunk) {
  // Keeps the number of chunks proportional to the records after many removals.
  if (FSizes[Chunk] >= MaxChunk / 8) return;
  int32_t C = static_cast<int32_t>(FChunks.size());
  int32_t Into = Chunk + 1 < C ? Chunk : Chunk - 1;  // the earlier of the pair
  if (Into < 0 || FSizes[Into] + FSizes[Into + 1] > MaxChunk / 2) return;
  TChunk& A = *FChunks[Into];
  TChunk& B = *FChunks[Into + 1];
  for (const TEntry& E : B.Items) SlotOf(E.Rec) = &A;
  A.Items.insert(A.Items.end(), B.Items.begin(), B.Items.end());
  FSizes[Into] = static_cast<int32_t>(A.Items.size());
  EraseChunk(Into + 1);
  Rebuild();
}

int32_t TPositionIndex::PositionOf(const uint8_t* Rec) const {
  const TChunk* Ch = SlotOf(Rec);
  auto It = std::find_if(Ch->Items.begin(), Ch->Items.end(), [Rec](const TEntry& E) { return E.Rec == Rec; });
  return Prefix(FOrdinal[Ch->Id]) + static_cast<int32_t>(It - Ch->Items.begin());
}

void TPositionIndex::Assign(const std::vector<uint8_t*>& Ordered,
                            const std::function<uint64_t(const uint8_t*)>& KeyOf) {
  Clear();
  for (size_t i = 0; i < Ordered.size(); i += FillChunk) {
    auto Ch = std::make_unique<TChunk>();
    size_t End = std::min(Ordered.size(), i + FillChunk);
    Ch->Items.reserve(End - i);  // a loaded table is mostly read: its chunks grow when edited
    for (size_t k = i; k < End; ++k) {
      Ch->Items.push_back({KeyOf(Ordered[k]), Ordered[k]});
      SlotOf(Ordered[k]) = Ch.get();
    }
    InsertChunk(static_cast<int32_t>(FChunks.size()), std::move(Ch));
  }
  FCount = static_cast<int32_t>(Ordered.size());
  Rebuild();
}

void TPositionIndex::Clear() {
  FChunks.clear();
  FIds.clear();
  FSizes.clear();
  FFirsts.clear();
  FOrdinal.clear();
  FFreeIds.clear();
  FCount = 0;
  Rebuild();
}
