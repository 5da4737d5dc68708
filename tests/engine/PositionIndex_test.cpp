// The storage behind an index against a plain vector: positions, identity
// look-ups and key prefixes through growth, chunk splits and merges.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "engine/PositionIndex.h"

namespace {

// A record block as the table lays it out: one slot before the bytes.
struct TBlock {
  TPositionIndex::TSlot Slot = {};
  uint8_t Bytes[8] = {};
};

TEST(PositionIndex, MatchesAVectorThroughSplitsAndMerges) {
  std::mt19937 Rng(11);
  std::vector<std::unique_ptr<TBlock>> Blocks;
  TPositionIndex Index(0);
  std::vector<std::pair<uint8_t*, uint64_t>> Model;
  // Waves of growth and shrinking, so chunks split, empty and merge many times.
  for (int Wave = 0; Wave < 6; ++Wave) {
    const bool Grow = Wave % 2 == 0;
    for (int Step = 0; Step < 4000; ++Step) {
      const bool Insert = Model.empty() || (Grow ? Rng() % 4 != 0 : Rng() % 4 == 0);
      if (Insert) {
        Blocks.push_back(std::make_unique<TBlock>());
        uint8_t* Rec = Blocks.back()->Bytes;
        // Often at the ends or one place, as sorted filing does; otherwise anywhere.
        const uint32_t Where = Rng() % 4;
        const int32_t N = static_cast<int32_t>(Model.size());
        const int32_t Pos = Where == 0 ? N : Where == 1 ? 0 : Where == 2 ? N / 2 : static_cast<int32_t>(Rng() % (N + 1));
        const uint64_t Key = Rng();
        Index.InsertAt(Pos, Rec, Key);
        Model.insert(Model.begin() + Pos, {Rec, Key});
      } else {
        const int32_t Pos = static_cast<int32_t>(Rng() % Model.size());
        Index.RemoveAt(Pos);
        Model.erase(Model.begin() + Pos);
      }
      if (!Model.empty() && Rng() % 8 == 0) {
        const int32_t Pos = static_cast<int32_t>(Rng() % Model.size());
        Model[Pos].second = Rng();
        Index.SetKeyAt(Pos, Model[Pos].second);
      }
      ASSERT_EQ(Index.Count(), static_cast<int32_t>(Model.size()));
      if (Step % 97 != 0) continue;
      for (int32_t p = 0; p < Index.Count(); ++p) {
        ASSERT_EQ(Index.At(p), Model[p].first) << "wave " << Wave << " pos " << p;
        ASSERT_EQ(Index.EntryAt(p).Key, Model[p].second) << "wave " << Wave << " pos " << p;
        ASSERT_EQ(Index.PositionOf(Model[p].first), p) << "wave " << Wave << " pos " << p;
      }
    }
  }
}

TEST(PositionIndex, LowerBoundOverSortedKeys) {
  std::mt19937 Rng(5);
  std::vector<std::unique_ptr<TBlock>> Blocks;
  TPositionIndex Index(0);
  std::vector<uint64_t> Keys;
  for (int i = 0; i < 5000; ++i) {
    const uint64_t K = Rng() % 3000;  // with repeats
    const int32_t Pos = static_cast<int32_t>(std::upper_bound(Keys.begin(), Keys.end(), K) - Keys.begin());
    Blocks.push_back(std::make_unique<TBlock>());
    Index.InsertAt(Pos, Blocks.back()->Bytes, K);
    Keys.insert(Keys.begin() + Pos, K);
  }
  for (uint64_t K = 0; K <= 3001; K += 7) {
    const int32_t Expected = static_cast<int32_t>(std::lower_bound(Keys.begin(), Keys.end(), K) - Keys.begin());
    EXPECT_EQ(Index.LowerBound([&](const TPositionIndex::TEntry& E) { return E.Key < K; }), Expected) << K;
  }
}

TEST(PositionIndex, FindsRecordsWhoseHintsDriftedFar) {
  // Each insertion at the front moves every record of the chunk one place on,
  // so the first records' hints end up hundreds of places out.
  constexpr int32_t N = 300;  // one chunk
  std::vector<std::unique_ptr<TBlock>> Blocks;
  TPositionIndex Index(0);
  for (int32_t i = 0; i < N; ++i) {
    Blocks.push_back(std::make_unique<TBlock>());
    Index.InsertAt(0, Blocks.back()->Bytes, 0);
  }
  // Block i is at N - 1 - i; its hint still says 0.
  ASSERT_EQ(Blocks[0]->Slot.Hint, 0);
  ASSERT_EQ(Index.PositionOf(Blocks[0]->Bytes), N - 1);
  // That far miss set every hint right, not only the one looked up.
  for (int32_t i = 0; i < N; ++i) ASSERT_EQ(Blocks[i]->Slot.Hint, N - 1 - i) << i;

  // Drift again, far and then near, and look up in no particular order.
  constexpr int32_t More = 100;
  for (int32_t i = 0; i < More; ++i) {
    Blocks.push_back(std::make_unique<TBlock>());
    Index.InsertAt(0, Blocks.back()->Bytes, 0);
  }
  const int32_t Total = N + More;  // block i is at Total - 1 - i
  std::vector<int32_t> Order(Total);
  for (int32_t i = 0; i < Total; ++i) Order[i] = i;
  std::shuffle(Order.begin(), Order.end(), std::mt19937(3));
  for (int32_t i : Order) ASSERT_EQ(Index.PositionOf(Blocks[i]->Bytes), Total - 1 - i) << i;
  Index.RemoveAt(0);  // the last block inserted
  for (int32_t i : Order) {
    if (i != Total - 1) {
      ASSERT_EQ(Index.PositionOf(Blocks[i]->Bytes), Total - 2 - i) << i;
    }
  }
}

TEST(PositionIndex, RoomFreedBeforeTheEntriesIsReused) {
  // Removals in the first half of a chunk free room before its entries,
  // insertions in the second half need room after them: a long run of both
  // must neither lose order nor grow the chunk's buffer without bound.
  constexpr int32_t N = 300;  // one chunk
  std::vector<std::unique_ptr<TBlock>> Blocks;
  TPositionIndex Index(0);
  std::vector<uint8_t*> Model;
  for (int32_t i = 0; i < N; ++i) {
    Blocks.push_back(std::make_unique<TBlock>());
    Index.InsertAt(i, Blocks.back()->Bytes, 0);
    Model.push_back(Blocks.back()->Bytes);
  }
  const size_t Slots = Index.EntrySlots();
  std::mt19937 Rng(9);
  for (int Step = 0; Step < 20000; ++Step) {
    const int32_t From = static_cast<int32_t>(Rng() % (N / 3));
    const int32_t To = N - 1 - static_cast<int32_t>(Rng() % (N / 3));
    uint8_t* Rec = Model[From];
    Index.RemoveAt(From);
    Model.erase(Model.begin() + From);
    Index.InsertAt(To, Rec, 0);
    Model.insert(Model.begin() + To, Rec);
    ASSERT_LE(Index.EntrySlots(), Slots) << Step;
  }
  for (int32_t p = 0; p < N; ++p) {
    ASSERT_EQ(Index.At(p), Model[p]) << p;
    ASSERT_EQ(Index.PositionOf(Model[p]), p) << p;
  }
}

}  // namespace
