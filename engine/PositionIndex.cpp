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
  FFirsts.resize(C);
  FFenwick.assign(C + 1, 0);
  for (int32_t c = 0; c < C; ++c) {
    FChunks[c]->Ordinal = c;
    FFirsts[c] = FChunks[c]->Items.front();
    int32_t i = c + 1;
    FFenwick[i] += static_cast<int32_t>(FChunks[c]->Items.size());
    int32_t j = i + (i & -i);
    if (j <= C) FFenwick[j] += FFenwick[i];
  }
  FCacheChunk = -1;
}

uint8_t* TPositionIndex::At(int32_t Pos) const {
  int32_t C = static_cast<int32_t>(FChunks.size());
  // Walks over positions in order are the common case: try the last chunk and its successor.
  if (FCacheChunk >= 0 && FCacheChunk < C) {
    int32_t Size = static_cast<int32_t>(FChunks[FCacheChunk]->Items.size());
    if (Pos >= FCacheStart && Pos < FCacheStart + Size) return FChunks[FCacheChunk]->Items[Pos - FCacheStart];
    if (Pos >= FCacheStart + Size && FCacheChunk + 1 < C) {
      int32_t NextStart = FCacheStart + Size;
      int32_t NextSize = static_cast<int32_t>(FChunks[FCacheChunk + 1]->Items.size());
      if (Pos < NextStart + NextSize) {
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

void TPositionIndex::InsertAt(int32_t Pos, uint8_t* Rec) {
  FCacheChunk = -1;
  if (FChunks.empty()) {
    FChunks.push_back(std::make_unique<TChunk>());
    FChunks[0]->Items.reserve(FillChunk);
    FChunks[0]->Items.push_back(Rec);
    SlotOf(Rec) = FChunks[0].get();
    FCount = 1;
    Rebuild();
    return;
  }
  int32_t Chunk, Offset;
  if (Pos >= FCount) {
    Chunk = static_cast<int32_t>(FChunks.size()) - 1;
    Offset = static_cast<int32_t>(FChunks[Chunk]->Items.size());
  } else {
    Locate(Pos, Chunk, Offset);
  }
  TChunk& Ch = *FChunks[Chunk];
  Ch.Items.insert(Ch.Items.begin() + Offset, Rec);
  SlotOf(Rec) = &Ch;
  if (Offset == 0) FFirsts[Chunk] = Rec;
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
  for (uint8_t* R : Tail->Items) SlotOf(R) = Tail.get();
  FChunks.insert(FChunks.begin() + Chunk + 1, std::move(Tail));
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
    FChunks.erase(FChunks.begin() + Chunk);
    Rebuild();
    return;
  }
  if (Offset == 0) FFirsts[Chunk] = Ch.Items.front();
  FenwickAdd(Chunk, -1);
  AfterRemoval(Chunk);
}

void TPositionIndex::AfterRemoval(int32_t Chunk) {
  // Keeps the number of chunks proportional to the records after many removals.
  size_t Size = FChunks[Chunk]->Items.size();
  if (Size >= MaxChunk / 8) return;
  int32_t C = static_cast<int32_t>(FChunks.size());
  int32_t Into = Chunk + 1 < C ? Chunk : Chunk - 1;  // the earlier of the pair
  if (Into < 0) return;
  TChunk& A = *FChunks[Into];
  TChunk& B = *FChunks[Into + 1];
  if (A.Items.size() + B.Items.size() > MaxChunk / 2) return;
  for (uint8_t* R : B.Items) SlotOf(R) = &A;
  A.Items.insert(A.Items.end(), B.Items.begin(), B.Items.end());
  FChunks.erase(FChunks.begin() + Into + 1);
  Rebuild();
}

int32_t TPositionIndex::PositionOf(const uint8_t* Rec) const {
  const TChunk* Ch = SlotOf(Rec);
  auto It = std::find(Ch->Items.begin(), Ch->Items.end(), Rec);
  return Prefix(Ch->Ordinal) + static_cast<int32_t>(It - Ch->Items.begin());
}

void TPositionIndex::Assign(const std::vector<uint8_t*>& Ordered) {
  FChunks.clear();
  for (size_t i = 0; i < Ordered.size(); i += FillChunk) {
    auto Ch = std::make_unique<TChunk>();
    size_t End = std::min(Ordered.size(), i + FillChunk);
    Ch->Items.reserve(MaxChunk + 1);
    Ch->Items.assign(Ordered.begin() + i, Ordered.begin() + End);
    for (uint8_t* R : Ch->Items) SlotOf(R) = Ch.get();
    FChunks.push_back(std::move(Ch));
  }
  FCount = static_cast<int32_t>(Ordered.size());
  Rebuild();
}

void TPositionIndex::Clear() {
  FChunks.clear();
  FCount = 0;
  Rebuild();
}
