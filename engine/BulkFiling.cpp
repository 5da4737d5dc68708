// Filing a whole run of records at once (the table file reader). The result
// is defined as that of one Add(dpAny) per record in the given order; it is
// computed without the quadratic cost of inserting one at a time.
//
// Why this works: every index is sorted, so a bisection's path depends only on
// how many filed records sort before the new key (Lo) and how many do not sort
// after it (Hi), never on which records those are. Knowing Lo and Hi for each
// record in turn gives its position at the time of its insertion; replaying
// those positions backwards over a tree of free slots gives the final order.

#include <algorithm>
#include <cstring>

#include "engine/ByteCoding.h"
#include "engine/RecordTable.h"

namespace {


class TFenwick {
public:
  explicit TFenwick(int32_t N) : FTree(N + 1, 0) {}
  void Add(int32_t I, int32_t D) {
    for (++I; I < static_cast<int32_t>(FTree.size()); I += I & -I) FTree[I] += D;
  }
  int32_t Prefix(int32_t I) const {  // sum over [0, I)
    int32_t S = 0;
    for (; I > 0; I -= I & -I) S += FTree[I];
    return S;
  }
  // The index of the K-th (0-based) unit, all values being 0 or 1.
  int32_t FindUnit(int32_t K) const {
    int32_t N = static_cast<int32_t>(FTree.size()) - 1, Step = 1, Idx = 0;
    while (Step * 2 <= N) Step *= 2;
    for (; Step; Step >>= 1)
      if (Idx + Step <= N && FTree[Idx + Step] <= K) {
        Idx += Step;
        K -= FTree[Idx];
      }
    return Idx;
  }
  void FillOnes() {
    int32_t N = static_cast<int32_t>(FTree.size()) - 1;
    for (int32_t i = 1; i <= N; ++i) {
      FTree[i] += 1;
      int32_t j = i + (i & -i);
      if (j <= N) FTree[j] += FTree[i];
    }
  }

private:
  std::vector<int32_t> FTree;
};

bool IsSmallInteger(uint8_t Code) { return Code <= fcLongInt; }

uint32_t OrderedBits(uint8_t Code, const uint8_t* P) {
  switch (Code) {
    case fcByte: return LoadAt<uint8_t>(P, 0);
    case fcShortInt: return static_cast<uint32_t>(LoadAt<int8_t>(P, 0)) ^ 0x80000000u;
    case fcWord: return LoadAt<uint16_t>(P, 0);
    case fcSmallInt: return static_cast<uint32_t>(LoadAt<int16_t>(P, 0)) ^ 0x80000000u;
    default: return static_cast<uint32_t>(LoadAt<int32_t>(P, 0)) ^ 0x80000000u;
  }
}

}  // namespace

bool TRecordTable::OrderFor(int32_t Index, const std::vector<uint8_t*>& Blocks, std::vector<uint8_t*>& Order,
                            int32_t& Accepted) const {
  const TIndexDesc& X = FIndexes[Index];
  const int32_t N = static_cast<int32_t>(Blocks.size());
  const bool Unique = X.Flags & ixUnique;
  Accepted = N;
  if (N == 0) return true;
  const uint8_t First = X.KeyParts[0].Code;
  if (First == kpAlwaysBefore) {
    Order = Blocks;
    return true;
  }
  if (First == kpAlwaysAfter) {
    Order.assign(Blocks.rbegin(), Blocks.rend());
    return true;
  }

  // Class of each record's key: 0, 1, ... in key order, equal keys sharing one.
  std::vector<int32_t> Class(N, 0);
  bool Increasing = true, Sorted = true;
  for (int32_t i = 1; i < N && Sorted; ++i) {
    int C = Compare(Index, Blocks[i], Blocks[i - 1]);
    if (C < 0) Sorted = false;
    if (C == 0) {
      Increasing = false;
      if (Unique) {
        Accepted = i;
        return true;
      }
    }
    Class[i] = Class[i - 1] + (C > 0);
  }
  if (Sorted && Increasing) {
    Order = Blocks;
    return true;
  }
  int32_t Classes = Class[N - 1] + 1;
  if (!Sorted) {
    bool Packable = X.ActiveParts <= 2;
    for (int32_t k = 0; k < X.ActiveParts; ++k)
      Packable = Packable && IsSmallInteger(X.KeyParts[k].Code) && !X.KeyParts[k].Descending;
    if (!Packable) return false;
    std::vector<std::pair<uint64_t, int32_t>> Keys(N);
    for (int32_t i = 0; i < N; ++i) {
      uint64_t K = 0;
      for (int32_t k = 0; k < 2; ++k) {
        K <<= 32;
        if (k < X.ActiveParts) K |= OrderedBits(X.KeyParts[k].Code, Blocks[i] + X.KeyParts[k].Offset);
      }
      Keys[i] = {K, i};
    }
    std::sort(Keys.begin(), Keys.end());
    Classes = 0;
    for (int32_t k = 0; k < N; ++k) {
      if (k > 0 && Keys[k].first != Keys[k - 1].first) ++Classes;
      Class[Keys[k].second] = Classes;
    }
    ++Classes;
  }

  // Position of each record at the time of its insertion.
  std::vector<int32_t> At(N);
  {
    TFenwick Before(Classes);
    std::vector<int32_t> Seen(Classes, 0);
    for (int32_t i = 0; i < N; ++i) {
      int32_t Lo = Before.Prefix(Class[i]);
      int32_t Equal = Seen[Class[i]];
      if (Equal && Unique) {
        Accepted = i;
        return true;
      }
      At[i] = Equal ? BisectionMeets(Lo, Lo + Equal, i) : Lo;
      ++Seen[Class[i]];
      Before.Add(Class[i], 1);
    }
  }
  // Replay backwards: the last record keeps its position; each earlier one
  // takes the At-th slot among those the later records left free.
  Order.assign(N, nullptr);
  TFenwick Free(N);
  Free.FillOnes();
  for (int32_t i = N - 1; i >= 0; --i) {
    int32_t Slot = Free.FindUnit(At[i]);
    Order[Slot] = Blocks[i];
    Free.Add(Slot, -1);
  }
  return true;
}

int32_t TRecordTable::AdoptInOrder(const std::vector<uint8_t*>& Blocks, bool Commit) {
  int32_t N = static_cast<int32_t>(std::min<size_t>(Blocks.size(), MaxRecordCount));
  int32_t Accepted = N;
  std::vector<std::vector<uint8_t*>> Orders(FIndexes.size());
  std::vector<bool> Direct(FIndexes.size(), true);
  for (int32_t x = 0; x < IndexCount(); ++x) {
    int32_t A;
    Direct[x] = OrderFor(x, Blocks, Orders[x], A);
    Accepted = std::min(Accepted, A);
  }
  // Keys that cannot be ranked in bulk (floating point, texts out of order)
  // are filed one at a time, through the same rules as Insert.
  for (int32_t x = 0; x < IndexCount(); ++x) {
    if (Direct[x]) continue;
    TPositionIndex Scratch(x);
    const bool Unique = FIndexes[x].Flags & ixUnique;
    for (int32_t i = 0; i < Accepted; ++i) {
      const uint8_t* Key = Blocks[i];
      using TEntry = TPositionIndex::TEntry;
      int32_t Lo = Scratch.LowerBound([&](const TEntry& E) { return Compare(x, E.Rec, Key) < 0; });
      int32_t Pos = Lo;
      if (Lo < Scratch.Count() && Compare(x, Scratch.At(Lo), Key) == 0) {
        if (Unique) {
          Accepted = i;
          break;
        }
        int32_t Hi = Scratch.LowerBound([&](const TEntry& E) { return Compare(x, E.Rec, Key) <= 0; });
        Pos = BisectionMeets(Lo, Hi, i);
      }
      Scratch.InsertAt(Pos, Blocks[i], 0);
    }
    Orders[x].clear();
    Scratch.ForEach([&](uint8_t* R) { Orders[x].push_back(R); });
  }
  if (Accepted < static_cast<int32_t>(Blocks.size()) || !Commit) return Accepted;
  for (int32_t x = 0; x < IndexCount(); ++x) {
    FIndexes[x].Records->Assign(Orders[x], [&](const uint8_t* R) { return KeyPrefix(x, R); });
    std::vector<uint8_t*>().swap(Orders[x]);  // lowers the peak of a large load
  }
  FRecordCount = N;
  if (N > FCapacity) {
    int64_t Steps = (static_cast<int64_t>(N) - FCapacity + FGrowthStep - 1) / FGrowthStep;
    FCapacity = static_cast<int32_t>(std::min<int64_t>(FCapacity + Steps * FGrowthStep, MaxRecordCount));
  }
  return Accepted;
}

bool TRecordTable::AddAll(const std::vector<const void*>& Recs) {
  if (FRecordCount != 0) return false;
  std::vector<uint8_t*> Blocks;
  Blocks.reserve(Recs.size());
  bool Ok = true;
  for (const void* R : Recs) {
    uint8_t* B = R ? NewRecordBlock() : nullptr;
    if (!B) {
      Ok = false;
      break;
    }
    if (FRecordSize) std::memcpy(B, R, FRecordSize);
    Blocks.push_back(B);
  }
  if (Ok && AdoptInOrder(Blocks, true) == static_cast<int32_t>(Blocks.size())) return true;
  // The values still belong to the caller: free the blocks only.
  for (uint8_t* B : Blocks) FreeRecordBlock(B);
  return false;
}
