#include "engine/RecordTable.h"

#include <gtest/gtest.h>

#include <random>

#include "BisectionModel.h"
#include "TableFixtures.h"
#include "engine/ItemStack.h"

namespace {

TEST(RecordTableInit, StatusOfDefinitions) {
  struct Case {
    std::string Structure, Indexes;
    int32_t Capacity, GrowthStep;
    uint16_t Status;
  } Cases[] = {
      {DictStructure(), DictIndexes(), 10, 10, tsSuccess},
      {DictStructure(), Bytes({255, 0, 254}), 10, 10, tsSuccess},
      {DictStructure(), Bytes({253, 252, 1, 2}), 1, 1, tsSuccess},
      {DictStructure(), Bytes({255, 254}), 10, 10, tsNoKeyParts},
      {DictStructure(), Bytes({254, 0}), 10, 10, tsFieldAfterFixedOrder},
      {DictStructure(), Bytes({253, 1}), 10, 10, tsFieldAfterFixedOrder},
      {DictStructure(), Bytes({255, 6}), 10, 10, tsBadFieldNumber},
      {DictStructure(), Bytes({254, 7}), 10, 10, tsBadFieldNumber},
      {DictStructure(), Bytes({0, 255, 0}), 10, 10, tsBadFieldNumber},
      {DictStructure(), Bytes({251, 0}), 10, 10, tsBadFieldNumber},
      {DictStructure(), "", 10, 10, tsEmptyIndexDef},
      {"", DictIndexes(), 10, 10, tsEmptyStructureDef},
      {Bytes({4, 17}), Bytes({255, 0}), 10, 10, tsBadFieldCode},
      {std::string(101, '\4'), Bytes({255, 0}), 10, 10, tsTooManyFields},
      {std::string(100, '\4'), Bytes({255, 99}), 10, 10, tsSuccess},
      {Bytes({4, 10}), Bytes({255, 0}), 10, 10, tsMissingCharsSize},
      {Bytes({4, 11, 0}), Bytes({255, 0}), 10, 10, tsMissingBlockSize},
      {Bytes({11, 0, 4}), Bytes({255, 0}), 10, 10, tsBlockKey},
      {Bytes({14, 4}), Bytes({255, 0}), 10, 10, tsTableKey},
      {Bytes({15, 4}), Bytes({255, 0}), 10, 10, tsPointerKey},
      {Bytes({13, 16, 10, 3}), Bytes({255, 0, 1, 2}), 10, 10, tsSuccess},
      {Bytes({11, 255, 255, 11, 0, 1}), Bytes({254}), 10, 10, tsRecordTooLarge},
      {Bytes({11, 255, 255}), Bytes({254}), 10, 10, tsSuccess},
      {DictStructure(), DictIndexes(), 0, 10, tsBadSizing},
      {DictStructure(), DictIndexes(), 268435457, 10, tsBadSizing},
      {DictStructure(), DictIndexes(), 268435456, 134217728, tsSuccess},
      {DictStructure(), DictIndexes(), 10, 134217729, tsBadSizing},
      {DictStructure(), DictIndexes(), 10, 0, tsBadSizing},
  };
  for (const Case& C : Cases) {
    uint16_t Status = 0;
    auto T = TRecordTable::Create(C.Structure, C.Indexes, C.Capacity, C.GrowthStep, &Status);
    EXPECT_EQ(Status, C.Status) << "case with index definition size " << C.Indexes.size();
    EXPECT_EQ(T != nullptr, C.Status == tsSuccess);
  }
}

TEST(RecordTableInit, DictionaryShape) {
  auto T = MakeDict();
  EXPECT_EQ(T->FieldCount(), 6);
  EXPECT_EQ(T->RecordSize(), 3 * RefSize + 12);
  const uint16_t Offsets[] = {0, RefSize, 2 * RefSize, 3 * RefSize, 3 * RefSize + 4, 3 * RefSize + 8};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(T->FieldOffset(i), Offsets[i]);
  ASSERT_EQ(T->IndexCount(), 2);
  EXPECT_TRUE(T->IndexUnique(0));
  EXPECT_FALSE(T->IndexUnique(1));
  ASSERT_EQ(T->TotalParts(0), 1);
  EXPECT_EQ(T->KeyPart(0, 0)->Code, fcText);
  ASSERT_EQ(T->TotalParts(1), 2);
  EXPECT_EQ(T->KeyPart(1, 0)->Offset, 3 * RefSize);
  EXPECT_EQ(T->KeyPart(1, 1)->Offset, 3 * RefSize + 4);
  EXPECT_EQ(T->ActiveParts(1), 2);
  EXPECT_EQ(T->OwnedFields().size(), 3u);
  EXPECT_EQ(T->Flags, 0u);
  EXPECT_EQ(T->RecordCount(), 0);
  auto Two = TRecordTable::Create(DictStructure(), Bytes({255, 0, 254}), 10, 10);
  ASSERT_EQ(Two->IndexCount(), 2);
  EXPECT_EQ(Two->KeyPart(1, 0)->Code, kpAlwaysBefore);
}

TEST(RecordTableCompare, FieldOrders) {
  // One field per case: two values stored at offset 0, expected sign of Compare(a, b).
  auto Text = [](const char* S) { return S ? NewTextFrom(S) : nullptr; };
  struct Case {
    std::string Structure;
    std::vector<uint8_t> A, B;
    int Expected;
  };
  auto Raw = [](auto V) {
    std::vector<uint8_t> Out(sizeof V);
    std::memcpy(Out.data(), &V, sizeof V);
    return Out;
  };
  std::vector<Case> Cases = {
      {Bytes({0}), Raw(uint8_t{200}), Raw(uint8_t{100}), 1},
      {Bytes({1}), Raw(int8_t{-100}), Raw(int8_t{100}), -1},
      {Bytes({2}), Raw(uint16_t{60000}), Raw(uint16_t{1}), 1},
      {Bytes({3}), Raw(int16_t{-2}), Raw(int16_t{1}), -1},
      {Bytes({4}), Raw(int32_t{-5}), Raw(int32_t{-5}), 0},
      {Bytes({4}), Raw(int32_t{-5}), Raw(int32_t{3}), -1},
      {Bytes({5}), Raw(2.5), Raw(-1.0), 1},
      {Bytes({6}), Raw(1.5f), Raw(2.5f), -1},
      {Bytes({9}), Raw(int64_t{-1}), Raw(int64_t{1} << 40), -1},
      {Bytes({10, 2}), {0x80, 0}, {0x7F, 0xFF}, 1},
      {Bytes({10, 2}), {1, 2}, {1, 2}, 0},
  };
  for (const Case& C : Cases) {
    auto T = TRecordTable::Create(C.Structure, Bytes({255, 0}), 1, 1);
    ASSERT_TRUE(T);
    EXPECT_EQ(T->Compare(0, C.A.data(), C.B.data()), C.Expected) << "code " << int(C.Structure[0]);
    EXPECT_EQ(T->Compare(0, C.B.data(), C.A.data()), -C.Expected);
  }
  // Texts: nil first, then byte order over the shorter length, then the shorter first.
  const char* Ordered[] = {nullptr, "", "A", "AB", "a", "b\x80", "b\xff"};
  auto T = TRecordTable::Create(Bytes({12}), Bytes({255, 0}), 1, 1);
  auto C = TRecordTable::Create(Bytes({16}), Bytes({255, 0}), 1, 1);
  for (int i = 0; i < 7; ++i) {
    for (int j = 0; j < 7; ++j) {
      uint8_t A[RefSize], B[RefSize];
      PText TA = Text(Ordered[i]), TB = Text(Ordered[j]);
      SetRefAt(A, 0, TA);
      SetRefAt(B, 0, TB);
      int Expected = i < j ? -1 : (i > j ? 1 : 0);
      EXPECT_EQ(T->Compare(0, A, B), Expected) << i << " " << j;
      DisposeText(TA);
      DisposeText(TB);
      char* CA = Ordered[i] ? NewCText(Ordered[i]) : nullptr;
      char* CB = Ordered[j] ? NewCText(Ordered[j]) : nullptr;
      SetRefAt(A, 0, CA);
      SetRefAt(B, 0, CB);
      EXPECT_EQ(C->Compare(0, A, B), Expected) << i << " " << j;
      DisposeCText(CA);
      DisposeCText(CB);
    }
  }
}

TEST(RecordTable, UniqueIndexRefusesAnEqualKeyAndChangesNothing) {
  auto T = MakeDict();
  ASSERT_TRUE(AddDict(*T, "b", 1));
  ASSERT_TRUE(AddDict(*T, "a", 2));
  TDictRec Dup("a", 0);
  EXPECT_FALSE(T->Add(Dup.Data()));
  Dup.Dispose();
  EXPECT_EQ(T->RecordCount(), 2);
  EXPECT_EQ(Questions(*T, 0), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Questions(*T, 1), (std::vector<std::string>{"b", "a"}));
}

TEST(RecordTable, PlacementAmongEqualKeys) {
  // Index 1 all equal: dpFirst goes before every equal one, dpLast after, dpAny where the bisection meets.
  struct Case {
    TPlacement P;
    int Existing;
    int32_t Expected;
  } Cases[] = {{dpFirst, 7, 0}, {dpLast, 7, 7}, {dpAny, 7, 3}, {dpAny, 1, 0}, {dpAny, 0, 0}, {dpAny, 4, 1}};
  for (const Case& C : Cases) {
    auto T = MakeDict();
    for (int i = 0; i < C.Existing; ++i) AddDict(*T, "q" + std::to_string(i));
    TDictRec R("new");
    int32_t Pos = -1;
    ASSERT_TRUE(T->Insert(1, R.Data(), C.P, Pos));
    EXPECT_EQ(Pos, C.Expected) << int(C.P) << " among " << C.Existing;
    EXPECT_EQ(QuestionOf(T->RecordAt(1, Pos)), "new");
  }
}

TEST(RecordTable, FixedOrderIndexes) {
  auto T = TRecordTable::Create(DictStructure(), Bytes({252, 0, 254, 253}), 10, 10);
  for (const char* Q : {"m", "c", "x", "a"}) AddDict(*T, Q);
  EXPECT_EQ(Questions(*T, 0), (std::vector<std::string>{"a", "c", "m", "x"}));
  EXPECT_EQ(Questions(*T, 1), (std::vector<std::string>{"m", "c", "x", "a"}));
  EXPECT_EQ(Questions(*T, 2), (std::vector<std::string>{"a", "x", "c", "m"}));
}

TEST(RecordTable, FindOnEmptyAndOutOfRange) {
  auto T = MakeDict();
  TDictRec K("a");
  int32_t Pos = 9, First = 9, Last = 9;
  EXPECT_FALSE(T->Find(0, K.Data(), Pos));
  EXPECT_EQ(Pos, 0);
  EXPECT_FALSE(T->FindRange(1, K.Data(), First, Last));
  EXPECT_EQ(First, 0);
  EXPECT_EQ(Last, 9);
  EXPECT_EQ(T->RecordAt(0, 0), nullptr);
  EXPECT_EQ(T->RecordAt(2, 0), nullptr);
  EXPECT_EQ(T->RecordAt(-1, 0), nullptr);
  EXPECT_FALSE(T->Delete(0, 0));
  EXPECT_FALSE(T->Update(0, -1));
  EXPECT_FALSE(T->Insert(2, K.Data(), dpAny, Pos));
  EXPECT_FALSE(T->LocateIn(0, 0, 1, Pos));
  K.Dispose();
}

TEST(RecordTable, FindRangeWithNarrowedKey) {
  auto T = MakeDict();
  // status / right in row
  int Data[][2] = {{2, 1}, {0, 3}, {2, 0}, {1, 1}, {2, 5}, {0, 0}, {1, 9}};
  for (int i = 0; i < 7; ++i) AddDict(*T, "q" + std::to_string(i), Data[i][0], Data[i][1]);
  TDictRec Key("", 2, 777);
  int32_t First, Last = -1;
  EXPECT_FALSE(T->FindRange(1, Key.Data(), First, Last));
  EXPECT_EQ(First, 7);  // 777 sorts after every status-2 record
  EXPECT_FALSE(T->SetKeyParts(1, 3));
  EXPECT_FALSE(T->SetKeyParts(1, 0));
  EXPECT_EQ(T->ActiveParts(1), 2);
  ASSERT_TRUE(T->SetKeyParts(1, 1));
  ASSERT_TRUE(T->FindRange(1, Key.Data(), First, Last));
  EXPECT_EQ(First, 4);
  EXPECT_EQ(Last, 6);
  for (int32_t p = First; p <= Last; ++p) EXPECT_EQ(StatusOf(T->RecordAt(1, p)), 2);
  TDictRec One("", 1, 0);
  ASSERT_TRUE(T->FindRange(1, One.Data(), First, Last));
  EXPECT_EQ(First, 2);
  EXPECT_EQ(Last, 3);
  ASSERT_TRUE(T->ResetKeyParts(1));
  EXPECT_FALSE(T->FindRange(1, One.Data(), First, Last));
  Key.Dispose();
  One.Dispose();
}

TEST(RecordTable, GrowsEveryArrayByGrowthStep) {
  auto T = MakeDict(10, 10);
  for (int i = 0; i < 10; ++i) AddDict(*T, "q" + std::to_string(i));
  EXPECT_EQ(T->Capacity(), 10);
  AddDict(*T, "eleven");
  EXPECT_EQ(T->Capacity(), 20);
  for (int i = 0; i < 15; ++i) T->Delete(0, 0);
  EXPECT_EQ(T->Capacity(), 20);  // never shrinks
  auto Big = MakeDict(268435456, 3);
  AddDict(*Big, "x");
  EXPECT_EQ(Big->Capacity(), 268435456);
}

TEST(RecordTable, DetachHandsTheValuesBack) {
  auto T = MakeDict();
  AddDict(*T, "keep", 1);
  uint8_t* Rec = T->RecordAt(0, 0);
  PText Texts[3] = {TextAt(Rec, 0), TextAt(Rec, RefSize), TextAt(Rec, 2 * RefSize)};
  ASSERT_TRUE(T->Detach(0, 0));
  EXPECT_EQ(T->RecordCount(), 0);
  EXPECT_EQ(TextString(Texts[0]), "keep");  // still alive: now ours
  for (PText X : Texts) DisposeText(X);
}

TEST(RecordTable, UpdateRefusedLeavesTheRecordOut) {
  auto T = MakeDict();
  AddDict(*T, "a");
  AddDict(*T, "b");
  uint8_t* Rec = T->RecordAt(0, 1);
  PText Old = TextAt(Rec, 0), Answer = TextAt(Rec, RefSize);
  PText Clash = NewTextFrom("a");
  SetRefAt(Rec, 0, Clash);
  EXPECT_FALSE(T->Update(0, 1));
  EXPECT_EQ(Questions(*T, 0), std::vector<std::string>{"a"});
  EXPECT_EQ(Questions(*T, 1), std::vector<std::string>{"a"});
  // The record's values were not released: they are the caller's again.
  EXPECT_EQ(TextString(Answer), "a");
  for (PText X : {Old, Answer, Clash}) DisposeText(X);
}

TEST(RecordTable, ClearAndDestructionReportProgress) {
  std::vector<int32_t> Events;
  {
    auto T = MakeDict();
    for (int i = 0; i < 5; ++i) AddDict(*T, "q" + std::to_string(i));
    T->OnProgressStart = [&](int32_t N) { Events.push_back(N); };
    T->OnProgressStep = [&] { Events.push_back(-1); };
    T->Clear();
    EXPECT_EQ(T->RecordCount(), 0);
    AddDict(*T, "again");
  }
  EXPECT_EQ(Events, (std::vector<int32_t>{5, -1, -1, -1, -1, -1, 1, -1}));
}

// Random operations on the table and on the plain model must give the same
// positions in every index, whatever the placement.
TEST(RecordTable, PositionsMatchPlainBisection) {
  for (uint32_t Seed = 1; Seed <= 4; ++Seed) {
    std::mt19937 Rng(Seed);
    auto T = MakeDict(3, 2);
    TBisectionModel M(*T);
    int Statuses = Seed == 1 ? 1 : 3;  // seed 1: one long run of equal keys in index 1
    for (int Step = 0; Step < 3000; ++Step) {
      int Op = static_cast<int>(Rng() % 10);
      TPlacement P = static_cast<TPlacement>(Rng() % 3);
      if (Op < 6 || T->RecordCount() == 0) {
        TDictRec R("k" + std::to_string(Rng() % 2000), static_cast<int32_t>(Rng() % Statuses),
                   static_cast<int32_t>(Rng() % 2));
        int32_t Index = static_cast<int32_t>(Rng() % 2), Pos = -1;
        bool InModel = M.Insert(R.Data(), P);
        bool InTable = T->Insert(Index, R.Data(), P, Pos);
        ASSERT_EQ(InModel, InTable);
        if (!InTable) R.Dispose();
        else ASSERT_EQ(T->RecordAt(Index, Pos), T->RecordAt(Index, Pos));
      } else if (Op < 8) {
        int32_t Index = static_cast<int32_t>(Rng() % 2);
        int32_t Pos = static_cast<int32_t>(Rng() % T->RecordCount());
        M.Remove(Index, Pos);
        ASSERT_TRUE(T->Delete(Index, Pos));
      } else {
        int32_t Index = static_cast<int32_t>(Rng() % 2);
        int32_t Pos = static_cast<int32_t>(Rng() % T->RecordCount());
        uint8_t* Rec = T->RecordAt(Index, Pos);
        SetLongIntAt(Rec, 3 * RefSize, static_cast<int32_t>(Rng() % Statuses));
        // Half the updates also change the question: it may stay between its
        // neighbours, move, or meet an equal question and be refused.
        PText OldQuestion = nullptr;
        if (Rng() % 2) {
          OldQuestion = TextAt(Rec, 0);
          SetRefAt(Rec, 0, NewTextFrom("k" + std::to_string(Rng() % 2000)));
        }
        std::vector<uint8_t> Now(Rec, Rec + T->RecordSize());
        bool InModel = M.Update(Index, Pos, Now.data(), P);
        bool InTable = T->Update(Index, Pos, P);
        ASSERT_EQ(InModel, InTable);
        if (!InTable)
          for (int k = 0; k < 3; ++k) DisposeText(TextAt(Now.data(), k * RefSize));
        DisposeText(OldQuestion);
      }
      ASSERT_EQ(T->RecordCount(), M.Count());
      if (Step % 50 != 0) continue;
      for (int32_t x = 0; x < 2; ++x) {
        for (int32_t p = 0; p < M.Count(); ++p) {
          ASSERT_EQ(QuestionOf(T->RecordAt(x, p)), QuestionOf(M.At(x, p)->data())) << "index " << x << " pos " << p;
          int32_t Other;
          ASSERT_TRUE(T->LocateIn(x, p, 1 - x, Other));
          ASSERT_EQ(Other, M.Locate(x, p, 1 - x));
        }
        TDictRec K("k" + std::to_string(Rng() % 2000), static_cast<int32_t>(Rng() % Statuses), 0);
        for (TPlacement F : {dpAny, dpFirst, dpLast}) {
          int32_t A = -1, B = -1;
          bool FA = F == dpAny ? T->Find(x, K.Data(), A) : F == dpFirst ? T->FindFirst(x, K.Data(), A)
                                                                        : T->FindLast(x, K.Data(), A);
          bool FB = M.Find(x, K.Data(), B, F);
          ASSERT_EQ(FA, FB);
          ASSERT_EQ(A, B);
        }
        K.Dispose();
      }
    }
  }
}

TEST(RecordTable, AddAllFilesAsSuccessiveAdds) {
  // Statuses give long runs of equal keys in index 1; the questions arrive in
  // random order and, in the last round, already sorted (as an import hands them).
  for (uint32_t Seed = 1; Seed <= 3; ++Seed) {
    std::mt19937 Rng(Seed);
    std::vector<TDictRec> Recs;
    for (int i = 0; i < 700; ++i)
      Recs.emplace_back("k" + std::to_string(Seed == 3 ? 1000 + i : Rng()), static_cast<int32_t>(Rng() % 3));
    auto One = MakeDict(3, 4), All = MakeDict(3, 4);
    std::vector<const void*> Ptrs;
    for (TDictRec& R : Recs) {
      ASSERT_TRUE(One->Add(R.Data()));
      Ptrs.push_back(R.Data());
    }
    std::vector<TDictRec> Copies;  // texts of their own for the second table
    for (const void* P : Ptrs) Copies.emplace_back(QuestionOf(static_cast<const uint8_t*>(P)), StatusOf(static_cast<const uint8_t*>(P)));
    std::vector<const void*> CopyPtrs;
    for (TDictRec& C : Copies) CopyPtrs.push_back(C.Data());
    ASSERT_TRUE(All->AddAll(CopyPtrs));
    EXPECT_EQ(All->RecordCount(), One->RecordCount());
    EXPECT_EQ(All->Capacity(), One->Capacity());
    for (int32_t x = 0; x < 2; ++x) EXPECT_EQ(Questions(*All, x), Questions(*One, x)) << "index " << x;
  }
}

TEST(RecordTable, AddAllIsAllOrNothing) {
  auto T = MakeDict();
  TDictRec A("same"), B("other"), C("same");
  EXPECT_FALSE(T->AddAll({A.Data(), B.Data(), C.Data()}));  // the question index is unique
  EXPECT_EQ(T->RecordCount(), 0);
  ASSERT_TRUE(T->AddAll({A.Data(), B.Data()}));
  EXPECT_FALSE(T->AddAll({C.Data()}));  // only into an empty table
  EXPECT_EQ(T->RecordCount(), 2);
  C.Dispose();  // refused twice: still the caller's
}

struct TMoveFixture : ::testing::Test {
  std::vector<int32_t> Events;  // outlives the tables, whose destruction reports to it
  std::unique_ptr<TRecordTable> Source = MakeDict(), Target = MakeDict();
  void SetUp() override {
    for (const char* Q : {"a", "b", "c", "d"}) AddDict(*Source, Q);
    AddDict(*Target, "b");
    Target->OnProgressStart = [this](int32_t N) { Events.push_back(N); };
    Target->OnProgressStep = [this] { Events.push_back(-1); };
  }
};

TEST_F(TMoveFixture, AllOrNothingRefusesTheWholeMove) {
  int32_t Depth = LevelStack().Count();
  EXPECT_FALSE(Target->MoveFrom(Source.get(), dpAny, true));
  EXPECT_EQ(Questions(*Source, 0), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Questions(*Target, 0), (std::vector<std::string>{"b"}));
  EXPECT_EQ(LevelStack().Count(), Depth);
  EXPECT_TRUE(Events.empty());
  Target->Delete(0, 0);
  EXPECT_TRUE(Target->MoveFrom(Source.get(), dpAny, true));
  EXPECT_EQ(Source->RecordCount(), 0);
  EXPECT_EQ(Questions(*Target, 0), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Events, std::vector<int32_t>{});
}

TEST_F(TMoveFixture, PartialMoveKeepsRefusedRecordsInSource) {
  EXPECT_TRUE(Target->MoveFrom(Source.get(), dpAny, false));
  EXPECT_EQ(Questions(*Source, 0), (std::vector<std::string>{"b"}));
  EXPECT_EQ(Questions(*Target, 0), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Events, (std::vector<int32_t>{4, -1, -1, -1, -1, 3, -1, -1, -1}));
  EXPECT_TRUE(LevelStack().ShrinkEnabled);
}

TEST_F(TMoveFixture, NeedsTheSameStructure) {
  auto Other = TRecordTable::Create(Bytes({12, 12, 12, 4, 4}), Bytes({252, 0}), 10, 10);
  EXPECT_FALSE(Target->MoveFrom(Other.get(), dpAny, false));
  EXPECT_FALSE(Target->MoveFrom(nullptr, dpAny, false));
  auto Reindexed = TRecordTable::Create(DictStructure(), Bytes({255, 4, 254}), 10, 10);
  EXPECT_TRUE(Reindexed->MoveFrom(Source.get(), dpAny, true));
  EXPECT_EQ(Reindexed->RecordCount(), 4);
  EXPECT_EQ(Questions(*Reindexed, 1), (std::vector<std::string>{"a", "b", "c", "d"}));
}

}  // namespace
