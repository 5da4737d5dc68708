#pragma once
// A deliberately plain model of a table's indexes: one sorted vector per
// index, searched and filled by straightforward bisection and an outward scan
// by identity, as slow as it is obvious. Tests run the same operations on the
// model and on TRecordTable and require identical positions.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/RecordTable.h"

class TBisectionModel {
public:
  // Keys are compared through T.Compare (the field comparisons are tested on their own).
  explicit TBisectionModel(const TRecordTable& T) : FTable(T), FIndexes(T.IndexCount()) {}

  using TRec = std::vector<uint8_t>;  // a copy of the record's bytes; identity = its address

  const TRec* At(int32_t Index, int32_t Pos) const { return FIndexes[Index][Pos]; }
  int32_t Count() const { return static_cast<int32_t>(FIndexes[0].size()); }

  bool Find(int32_t Index, const void* Key, int32_t& Pos, TPlacement Mode = dpAny) const {
    const auto& V = FIndexes[Index];
    int32_t lo = 0, hi = static_cast<int32_t>(V.size()) - 1;
    while (lo <= hi) {
      int32_t mid = (lo + hi) / 2;
      int c = FTable.Compare(Index, V[mid]->data(), Key);
      if (c < 0) lo = mid + 1;
      else if (c > 0) hi = mid - 1;
      else {
        int32_t q = mid;
        if (Mode == dpFirst) {
          q = lo;
          while (FTable.Compare(Index, V[q]->data(), Key) != 0) ++q;
        } else if (Mode == dpLast) {
          q = hi;
          while (FTable.Compare(Index, V[q]->data(), Key) != 0) --q;
        }
        Pos = q;
        return true;
      }
    }
    Pos = lo;
    return false;
  }

  bool Insert(const void* Rec, TPlacement Placement) {
    std::vector<int32_t> At(FIndexes.size());
    for (int32_t i = 0; i < static_cast<int32_t>(FIndexes.size()); ++i) {
      int32_t p;
      bool Found = Find(i, Rec, p, Placement);
      if (Found && FTable.IndexUnique(i)) return false;
      At[i] = Found && Placement == dpLast ? p + 1 : p;
    }
    auto* R = new TRec(static_cast<const uint8_t*>(Rec), static_cast<const uint8_t*>(Rec) + FTable.RecordSize());
    FOwned.emplace_back(R);
    for (size_t i = 0; i < FIndexes.size(); ++i) FIndexes[i].insert(FIndexes[i].begin() + At[i], R);
    return true;
  }

  int32_t Locate(int32_t Index, int32_t Pos, int32_t Other) const {
    const TRec* R = FIndexes[Index][Pos];
    const auto& V = FIndexes[Other];
    int32_t s;
    Find(Other, R->data(), s);
    int32_t n = static_cast<int32_t>(V.size());
    for (int32_t down = s, up = s + 1; down >= 0 || up < n; ++up, --down) {
      if (down >= 0 && down < n && V[down] == R) return down;
      if (up < n && V[up] == R) return up;
    }
    return -1;
  }

  void Remove(int32_t Index, int32_t Pos) {
    for (size_t j = 0; j < FIndexes.size(); ++j) {
      if (static_cast<int32_t>(j) == Index) continue;
      int32_t q = Locate(Index, Pos, static_cast<int32_t>(j));
      FIndexes[j].erase(FIndexes[j].begin() + q);
    }
    FIndexes[Index].erase(FIndexes[Index].begin() + Pos);
  }

  // Re-files the record at (Index, Pos) with new bytes, as Update does.
  bool Update(int32_t Index, int32_t Pos, const void* NewBytes, TPlacement Placement) {
    Remove(Index, Pos);
    return Insert(NewBytes, Placement);
  }

private:
  const TRecordTable& FTable;
  std::vector<std::vector<const TRec*>> FIndexes;
  std::vector<std::unique_ptr<TRec>> FOwned;
};
