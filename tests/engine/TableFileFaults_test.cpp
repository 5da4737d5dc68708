// Damaged files and failing streams: never a crash, a hang or an allocation
// out of proportion to the file; every failure is reported.

#include <gtest/gtest.h>

#include <random>

#include "TableFixtures.h"
#include "engine/TableFile.h"

namespace {

std::vector<uint8_t> NestedFile() {
  auto Inner = TRecordTable::Create(Bytes({16, 12, 4}), Bytes({255, 2}), 2, 2);
  for (int i = 0; i < 3; ++i) {
    uint8_t Rec[2 * RefSize + 4];
    SetRefAt(Rec, 0, NewCText("ctext" + std::to_string(i)));
    SetRefAt(Rec, RefSize, NewTextFrom("text"));
    SetLongIntAt(Rec, 2 * RefSize, i);
    Inner->Add(Rec);
  }
  auto Outer = TRecordTable::Create(Bytes({12, 14, 4}), Bytes({252, 0}), 1, 1);
  Outer->SetPacked(true);
  for (int i = 0; i < 3; ++i) {
    uint8_t Rec[2 * RefSize + 4] = {};
    SetRefAt(Rec, 0, NewTextFrom("k" + std::to_string(i)));
    if (i == 1) SetRefAt(Rec, RefSize, Inner.release());
    Outer->Add(Rec);
  }
  TMemoryStream S;
  EXPECT_TRUE(Outer->Save(S));
  return S.Bytes();
}

TEST(TableFileFaults, EveryTruncationFails) {
  auto File = NestedFile();
  ASSERT_TRUE([&] { TMemoryStream S(File); return TRecordTable::LoadQuiet(S) != nullptr; }());
  for (size_t Len = 0; Len < File.size(); ++Len) {
    std::vector<uint8_t> Cut(File.begin(), File.begin() + static_cast<std::ptrdiff_t>(Len));
    TMemoryStream S(Cut);
    std::vector<int32_t> Starts;
    auto T = TRecordTable::Load(S, nullptr, [&](int32_t N) { Starts.push_back(N); });
    EXPECT_FALSE(T) << "cut at " << Len;
    // The count of the file, then what was filed before the end, released again.
    EXPECT_LE(Starts.size(), 2u);
    TPipeStream P(Cut);
    EXPECT_FALSE(TRecordTable::LoadQuiet(P)) << "cut at " << Len << " from a pipe";
  }
}

TEST(TableFileFaults, TextLengthBeyondTheFileFails) {
  auto T = TRecordTable::Create(Bytes({16}), Bytes({254}), 1, 1);
  uint8_t Rec[RefSize];
  SetRefAt(Rec, 0, NewCText("abc"));
  T->Add(Rec);
  TMemoryStream S;
  T->Save(S);
  auto File = S.Bytes();
  size_t LenAt = File.size() - 1 - 3 - 4 - 4;  // unpacked: slot, length, "abc", terminator
  ASSERT_EQ(LoadAt<int32_t>(File.data(), LenAt + 4), 3);
  for (int32_t Claimed : {0x7FFFFFFF, 1 << 30, 5, -1}) {
    StoreAt<int32_t>(File.data(), LenAt + 4, Claimed);
    TMemoryStream M(File);
    EXPECT_FALSE(TRecordTable::LoadQuiet(M)) << Claimed;
    TPipeStream P(File);  // no known end: the text may only grow as bytes arrive
    EXPECT_FALSE(TRecordTable::LoadQuiet(P)) << Claimed;
  }
}

TEST(TableFileFaults, HeaderCapacityIsOnlyANumber) {
  auto T = MakeDict(268435456, 134217728);
  ASSERT_TRUE(T);
  for (int i = 0; i < 5; ++i) AddDict(*T, "q" + std::to_string(i));
  TMemoryStream S;
  T->Save(S);
  S.Seek(0);
  auto L = TRecordTable::LoadQuiet(S);
  ASSERT_TRUE(L);
  EXPECT_EQ(L->Capacity(), 268435456);
  EXPECT_EQ(L->RecordCount(), 5);
  // A huge record count with nothing behind it fails at once.
  auto F = S.Bytes();
  StoreAt<int32_t>(F.data(), 4 + 1 + 7 + 6 + 4 + 7 + 4 + 2, 268435456);
  TMemoryStream Big(F);
  EXPECT_FALSE(TRecordTable::LoadQuiet(Big));
}

TEST(TableFileFaults, SaveReportsShortWrites) {
  auto T = TRecordTable::Create(Bytes({12, 14, 4}), Bytes({252, 0}), 1, 1);
  TMemoryStream Full;
  uint8_t Rec[2 * RefSize + 4] = {};
  for (int i = 0; i < 4000; ++i) {
    SetRefAt(Rec, 0, NewTextFrom("key" + std::to_string(i)));
    T->Add(Rec);
  }
  ASSERT_TRUE(T->Save(Full));
  size_t Size = Full.Bytes().size();
  ASSERT_GT(Size, 70000u);  // more than one internal buffer
  for (size_t Budget : {size_t{0}, size_t{1}, size_t{60}, Size / 2, Size - 1}) {
    TShortWriteStream S(Budget);
    EXPECT_FALSE(T->Save(S)) << Budget;
  }
  TShortWriteStream Enough(Size);
  EXPECT_TRUE(T->Save(Enough));
}

TEST(TableFileFaults, RandomDamageNeverCrashes) {
  auto File = NestedFile();
  std::mt19937 Rng(5);
  int Loaded = 0;
  for (int Round = 0; Round < 3000; ++Round) {
    auto F = File;
    for (int k = 0, n = 1 + static_cast<int>(Rng() % 4); k < n; ++k) F[Rng() % F.size()] = static_cast<uint8_t>(Rng());
    TMemoryStream S(F);
    Loaded += TRecordTable::LoadQuiet(S) != nullptr;
  }
  EXPECT_GT(Loaded, 0);  // damage in text bytes still loads
}

TEST(TableFileFaults, ZeroWidthFieldRoundTrips) {
  // Found by the fuzzer: a header declaring a field of no bytes.
  const std::vector<uint8_t> F = {0x02, 0x0a, 0x00, 0x02, 0xff, 0x00, 0x0a, 0x00, 0x0a, 0x00, 0x03,
                                  0x00, 0x80, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x20,
                                  0x22, 0x22, 0x22, 0x2c, 0x00, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22,
                                  0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22};
  TMemoryStream S(F);
  auto T = TRecordTable::LoadQuiet(S);
  if (!T) return;
  TMemoryStream Out;
  ASSERT_TRUE(T->Save(Out));
  Out.Seek(0);
  auto Again = TRecordTable::LoadQuiet(Out);
  ASSERT_TRUE(Again);
  EXPECT_EQ(Again->RecordCount(), T->RecordCount());
}

TEST(TableFileFaults, DeepNestingStopsAtALimit) {
  // Thousands of tables, each the only record of the one before.
  std::vector<uint8_t> F;
  const int Depth = 5000;
  for (int i = 0; i < Depth; ++i) {
    std::vector<uint8_t> Head = {3, 'B', 'V', 'R', 4, 1, 14, 1, 254, 1, 0, 0, 0};
    F.insert(F.end(), Head.begin(), Head.end());
    for (char c : std::string("Created")) F.push_back(static_cast<uint8_t>(c));
    for (int b : {1, 0, 0, 0, 98, 121, 1, 0, 0, 0}) F.push_back(static_cast<uint8_t>(b));
    for (char c : std::string("Zubrovel Kantrix")) F.push_back(static_cast<uint8_t>(c));
    for (int b : {1, 0, 0, 0, 240, 0}) F.push_back(static_cast<uint8_t>(b));
  }
  TMemoryStream S(F);
  auto T = TRecordTable::LoadQuiet(S);
  int Levels = 0;
  for (TRecordTable* X = T.get(); X && X->RecordCount(); X = static_cast<TRecordTable*>(RefAt(X->RecordAt(0, 0), 0)))
    ++Levels;
  EXPECT_LE(Levels, TableFile::MaxNesting + 1);
}

}  // namespace
