#include "engine/PositionIndex.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

namespace {
// Bulk builds leave room so that the first insertions do not split at once.
constexpr size_t FillChunk = TPositionIndex::MaxChunk * 3 / 4;
}  // namespace

TPositionIndex::TPositionIndex(int32_t Slot) : FSlot(Slot) {}
TPositionIndex::~TPositionIndex() = default;

TPositionIndex::TSlot& TPositionIndex::SlotOf(const uint8_t* Rec) const {
  return *(reinterpret_cast<TSlot*>(const_cast<uint8_t*>(Rec)) - 1 - FSlot);
}

void TPositionIndex::TChunk::Insert(int32_t At, TEntry E) {
  // The room before Begin is taken when it is the shorter way, or else the
  // buffer would grow: it grows only once that room is used up.
  if (Begin > 0 && (At < Size() / 2 || Buf.size() == Buf.capacity())) {
    --Begin;
    TEntry* D = Data();
    std::memmove(D, D + 1, At * sizeof(TEntry));
    D[At] = E;
  } else {
    Buf.insert(Buf.begin() + Begin + At, E);
  }
}

void TPositionIndex::TChunk::Erase(int32_t At) {
  if (At < Size() / 2) {
    TEntry* D = Data();
    std::memmove(D + 1, D, At * sizeof(TEntry));
    ++Begin;
  } else {
    Buf.erase(Buf.begin() + Begin + At);
  }
}

void TPositionIndex::TChunk::Compact() {
  Buf.erase(Buf.begin(), Buf.begin() + Begin);
  Begin = 0;
}

void TPositionIndex::Settle(const TChunk& Ch, int32_t From) const {
  const TEntry* D = Ch.Data();
  for (int32_t i = From; i < Ch.Size(); ++i) SlotOf(D[i].Rec) = {Ch.Id, i};
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
  // No bounds test: the padding past the last chunk is never taken. (GCC
  // still compiles the step as a branch; a mask form measured no faster.)
  int32_t Idx = 0, Rem = Pos;
  for (int32_t Step = FTopStep; Step; Step >>= 1) {
    const int32_t V = FFenwick[Idx + Step];
    const bool Take = V <= Rem;
    Idx += Take ? Step : 0;
    Rem -= Take ? V : 0;
  }
  Chunk = Idx;
  Offset = Rem;
}

void TPositionIndex::Find(int32_t Pos, int32_t& Chunk, int32_t& Offset) const {
  // Walks over positions in order and work on one position are the common
  // cases: try the last chunk and its successor.
  if (FCacheChunk >= 0) {
    const int32_t End = FCacheStart + FSizes[FCacheChunk];
    if (Pos >= FCacheStart && Pos < End) {
      Chunk = FCacheChunk;
      Offset = Pos - FCacheStart;
      return;
    }
    if (Pos >= End && FCacheChunk + 1 < static_cast<int32_t>(FChunks.size()) && Pos < End + FSizes[FCacheChunk + 1]) {
      Chunk = ++FCacheChunk;
      FCacheStart = End;
      Offset = Pos - End;
      return;
    }
  }
  Locate(Pos, Chunk, Offset);
  FCacheChunk = Chunk;
  FCacheStart = Pos - Offset;
}

void TPositionIndex::Rebuild(int32_t From) {
  // Node i of the tree sums the chunks [i - (i & -i), i): nodes up to From
  // hold as they were. The nodes From, From - (From & -From), ... are the
  // unchanged ones that count into a node past From.
  const int32_t C = static_cast<int32_t>(FChunks.size());
  From = std::min(From, C);
  FFenwick.resize(C + 1);
  for (int32_t c = From; c < C; ++c) {
    FOrdinal[FChunks[c].Id] = c;
    FFenwick[c + 1] = FSizes[c];
  }
  for (int32_t i = From; i > 0; i -= i & -i)
    if (const int32_t j = i + (i & -i); j <= C) FFenwick[j] += FFenwick[i];
  for (int32_t i = From + 1; i <= C; ++i)
    if (const int32_t j = i + (i & -i); j <= C) FFenwick[j] += FFenwick[i];
  FTopStep = static_cast<int32_t>(std::bit_floor(static_cast<uint32_t>(C)));
  FFenwick.resize(std::max<size_t>(C + 1, 2 * static_cast<size_t>(FTopStep)), INT32_MAX);
  FCacheChunk = -1;
}

void TPositionIndex::InsertChunk(int32_t At, std::vector<TEntry> Items) {
  if (FFreeIds.empty()) {
    FFreeIds.push_back(static_cast<int32_t>(FOrdinal.size()));
    FOrdinal.push_back(0);
  }
  FSizes.insert(FSizes.begin() + At, static_cast<int32_t>(Items.size()));
  FFirsts.insert(FFirsts.begin() + At, Items.front());
  FChunks.insert(FChunks.begin() + At, TChunk{std::move(Items), 0, FFreeIds.back()});
  FFreeIds.pop_back();
}

void TPositionIndex::EraseChunk(int32_t At) {
  FFreeIds.push_back(FChunks[At].Id);
  FSizes.erase(FSizes.begin() + At);
  FFirsts.erase(FFirsts.begin() + At);
  FChunks.erase(FChunks.begin() + At);
}

const TPositionIndex::TEntry& TPositionIndex::EntryAt(int32_t Pos) const {
  int32_t Chunk, Offset;
  Find(Pos, Chunk, Offset);
  return FChunks[Chunk].Data()[Offset];
}

void TPositionIndex::InsertAt(int32_t Pos, uint8_t* Rec, uint64_t Key) {
  if (FChunks.empty()) {
    std::vector<TEntry> Items;
    Items.reserve(FillChunk);
    Items.push_back({Key, Rec});
    InsertChunk(0, std::move(Items));
    SlotOf(Rec) = {FChunks[0].Id, 0};
    FCount = 1;
    Rebuild();
    return;
  }
  int32_t Chunk, Offset;
  if (Pos >= FCount) {
    Chunk = static_cast<int32_t>(FChunks.size()) - 1;
    Offset = FSizes[Chunk];
  } else {
    Find(Pos, Chunk, Offset);
  }
  FCacheChunk = -1;
  TChunk& Ch = FChunks[Chunk];
  Ch.Insert(Offset, TEntry{Key, Rec});
  SlotOf(Rec) = {Ch.Id, Offset};
  if (Offset == 0) FFirsts[Chunk] = {Key, Rec};
  FenwickAdd(Chunk, 1);
  ++FCount;
  if (Ch.Size() > MaxChunk) SplitChunk(Chunk);
}

void TPositionIndex::SplitChunk(int32_t Chunk) {
  // The head keeps its entries where they are, room before them included.
  TChunk& Head = FChunks[Chunk];
  const int32_t Half = Head.Size() / 2;
  std::vector<TEntry> Tail;
  Tail.reserve(MaxChunk + 1);
  Tail.assign(Head.Data() + Half, Head.Data() + Head.Size());
  Head.Buf.resize(Head.Begin + Half);
  FSizes[Chunk] = Half;
  InsertChunk(Chunk + 1, std::move(Tail));
  Settle(FChunks[Chunk + 1], 0);
  Rebuild(Chunk);
}

void TPositionIndex::RemoveAt(int32_t Pos) {
  int32_t Chunk, Offset;
  Find(Pos, Chunk, Offset);
  FCacheChunk = -1;
  TChunk& Ch = FChunks[Chunk];
  Ch.Erase(Offset);
  --FCount;
  if (Ch.Size() == 0) {
    EraseChunk(Chunk);
    Rebuild(Chunk);
    return;
  }
  if (Offset == 0) FFirsts[Chunk] = Ch.Data()[0];
  FenwickAdd(Chunk, -1);
  AfterRemoval(Chunk);
}

void TPositionIndex::SetKeyAt(int32_t Pos, uint64_t Key) {
  int32_t Chunk, Offset;
  Find(Pos, Chunk, Offset);
  FChunks[Chunk].Data()[Offset].Key = Key;
  if (Offset == 0) FFirsts[Chunk].Key = Key;
}

void TPositionIndex::AfterRemoval(int32_t Chunk) {
  // Keeps the number of chunks proportional to the records after many removals.
  if (FSizes[Chunk] >= MaxChunk / 8) return;
  int32_t C = static_cast<int32_t>(FChunks.size());
  int32_t Into = Chunk + 1 < C ? Chunk : Chunk - 1;  // the earlier of the pair
  if (Into < 0 || FSizes[Into] + FSizes[Into + 1] > MaxChunk / 2) return;
  TChunk& A = FChunks[Into];
  const TChunk& B = FChunks[Into + 1];
  A.Compact();  // else room before Begin could pile up over merges
  const int32_t From = A.Size();
  A.Buf.insert(A.Buf.end(), B.Data(), B.Data() + B.Size());
  Settle(A, From);
  FSizes[Into] = A.Size();
  EraseChunk(Into + 1);
  Rebuild(Into);
}

int32_t TPositionIndex::PositionOf(const uint8_t* Rec) const {
  TSlot& S = SlotOf(Rec);
  const int32_t Chunk = FOrdinal[S.Chunk];
  const TEntry* Items = FChunks[Chunk].Data();
  const int32_t N = FChunks[Chunk].Size();
  // Records come and go on both sides of the hint alike: look outward from it.
  const int32_t H = std::min(S.Hint, N - 1);
  int32_t At = H, d = 0;
  for (; d < N; ++d) {
    if (H + d < N && Items[H + d].Rec == Rec) { At = H + d; break; }
    if (H - d >= 0 && Items[H - d].Rec == Rec) { At = H - d; break; }
  }
  // A far miss means the chunk's hints drifted (as after many insertions into
  // it): set them all right at once; drifting that far again takes FarHint
  // more edits of the chunk.
  if (d > FarHint) Settle(FChunks[Chunk], 0);
  else S.Hint = At;
  return Prefix(Chunk) + At;
}

void TPositionIndex::Prefetch(const uint8_t* Rec) const {
  const TSlot& S = SlotOf(Rec);
  const TChunk& Ch = FChunks[FOrdinal[S.Chunk]];
  __builtin_prefetch(Ch.Data() + std::min(S.Hint, Ch.Size() - 1));
}

void TPositionIndex::Assign(const std::vector<uint8_t*>& Ordered,
                            const std::function<uint64_t(const uint8_t*)>& KeyOf) {
  Clear();
  FChunks.reserve((Ordered.size() + FillChunk - 1) / FillChunk);
  for (size_t i = 0; i < Ordered.size(); i += FillChunk) {
    size_t End = std::min(Ordered.size(), i + FillChunk);
    std::vector<TEntry> Items;
    Items.reserve(End - i);  // a loaded table is mostly read: its chunks grow when edited
    for (size_t k = i; k < End; ++k) Items.push_back({KeyOf(Ordered[k]), Ordered[k]});
    InsertChunk(static_cast<int32_t>(FChunks.size()), std::move(Items));
    Settle(FChunks.back(), 0);
  }
  FCount = static_cast<int32_t>(Ordered.size());
  Rebuild();
}

size_t TPositionIndex::EntrySlots() const {
  size_t Sum = 0;
  for (const TChunk& Ch : FChunks) Sum += Ch.Buf.capacity();
  return Sum;
}

void TPositionIndex::Clear() {
  FChunks.clear();
  FSizes.clear();
  FFirsts.clear();
  FOrdinal.clear();
  FFreeIds.clear();
  FCount = 0;
  Rebuild();
}
