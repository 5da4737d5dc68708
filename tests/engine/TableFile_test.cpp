#include "engine/TableFile.h"

#include <gtest/gtest.h>

#include <random>

#include "BisectionModel.h"
#include "TableFixtures.h"

namespace {

std::vector<uint8_t> Saved(TRecordTable& T) {
  TMemoryStream S;
  EXPECT_TRUE(T.Save(S));
  return S.Bytes();
}

std::unique_ptr<TRecordTable> Loaded(const std::vector<uint8_t>& File) {
  TMemoryStream S(File);
  return TRecordTable::LoadQuiet(S);
}

void Append(std::vector<uint8_t>& F, const std::string& S) { F.insert(F.end(), S.begin(), S.end()); }
template <typename T>
void AppendValue(std::vector<uint8_t>& F, T V) {
  auto* P = reinterpret_cast<const uint8_t*>(&V);
  F.insert(F.end(), P, P + sizeof V);
}

// A header of the given version, written by hand.
std::vector<uint8_t> Header(int Version, const std::string& SD, const std::string& ID, int32_t Cap, int32_t Step,
                            int32_t Count, uint32_t Flags = 0) {
  std::vector<uint8_t> F;
  if (Version > 0) {
    Append(F, Bytes({3, 'B', 'V', 'R', Version}));
  }
  F.push_back(static_cast<uint8_t>(SD.size()));
  Append(F, SD);
  F.push_back(static_cast<uint8_t>(ID.size()));
  Append(F, ID);
  auto Number = [&](int32_t V) {
    if (Version >= 3) AppendValue(F, V);
    else AppendValue(F, static_cast<uint16_t>(V));
  };
  Number(Cap);
  if (Version > 0) Append(F, "Created");
  Number(Step);
  if (Version > 0) Append(F, "by");
  Number(Count);
  if (Version > 0) Append(F, "Zubrovel Kantrix");
  if (Version >= 4) AppendValue(F, Flags);
  return F;
}

TEST(TableFile, ParametersExampleByteForByte) {
  auto T = TRecordTable::Create(ParamStructure(), ParamIndexes(), 3, 3);
  T->SetPacked(true);
  uint8_t Rec[2 * RefSize];
  SetRefAt(Rec, 0, NewTextFrom("A"));
  SetRefAt(Rec, RefSize, NewTextFrom("B"));
  ASSERT_TRUE(T->Add(Rec));
  std::vector<uint8_t> Expected = {0x03, 0x42, 0x56, 0x52, 0x04, 0x02, 0x0C, 0x0C, 0x02, 0xFF, 0x00,
                                   0x03, 0x00, 0x00, 0x00};
  Append(Expected, "Created");
  Append(Expected, Bytes({3, 0, 0, 0}));
  Append(Expected, "by");
  Append(Expected, Bytes({1, 0, 0, 0}));
  Append(Expected, "Zubrovel Kantrix");
  Append(Expected, Bytes({1, 0, 0, 0, 1, 0x41, 1, 0x42, 0xFF}));
  ASSERT_EQ(Expected.size(), 57u);
  auto File = Saved(*T);
  EXPECT_EQ(File, Expected);
  auto L = Loaded(File);
  ASSERT_TRUE(L);
  EXPECT_EQ(L->Flags, tfPacked);
  EXPECT_EQ(L->Capacity(), 3);
  EXPECT_EQ(L->GrowthStep(), 3);
  EXPECT_EQ(TextString(TextAt(L->RecordAt(0, 0), RefSize)), "B");
}

TEST(TableFile, EmptyTableIsHeaderAndTerminator) {
  auto T = MakeDict();
  std::vector<int32_t> Starts;
  T->OnProgressStart = [&](int32_t N) { Starts.push_back(N); };
  auto File = Saved(*T);
  EXPECT_EQ(Starts, std::vector<int32_t>{0});
  auto Head = Header(4, DictStructure(), DictIndexes(), 10, 10, 0);
  Head.push_back(0xFF);
  EXPECT_EQ(File, Head);
  auto L = Loaded(File);
  ASSERT_TRUE(L);
  EXPECT_EQ(L->RecordCount(), 0);
  T->OnProgressStart = nullptr;
}

TEST(TableFile, FixedBlocksPackedAndUnpacked) {
  for (bool Packed : {true, false}) {
    auto T = MakeDict();
    T->SetPacked(Packed);
    AddDict(*T, "Q", 2, 7);
    auto File = Saved(*T);
    auto Head = Header(4, DictStructure(), DictIndexes(), 10, 10, 1, Packed ? tfPacked : 0);
    std::vector<uint8_t> Body;
    if (!Packed) Append(Body, std::string(12, '\0'));  // three meaningless text slots
    AppendValue<int32_t>(Body, 2);
    AppendValue<int32_t>(Body, 7);
    AppendValue<int32_t>(Body, 0);
    Append(Body, Bytes({1, 'Q', 1, 'a', 0, 0xFF}));
    Head.insert(Head.end(), Body.begin(), Body.end());
    EXPECT_EQ(File, Head) << (Packed ? "packed" : "unpacked");
    auto L = Loaded(File);
    ASSERT_TRUE(L);
    EXPECT_EQ(QuestionOf(L->RecordAt(0, 0)), "Q");
    EXPECT_EQ(RightOf(L->RecordAt(0, 0)), 7);
    EXPECT_EQ(TextAt(L->RecordAt(0, 0), 2 * RefSize), EmptyText);
  }
}

TEST(TableFile, OlderVersions) {
  struct Case {
    int Version;
    bool Loads;
  } Cases[] = {{0, true}, {1, true}, {2, true}, {3, true}};
  for (const Case& C : Cases) {
    auto F = Header(C.Version, ParamStructure(), ParamIndexes(), 10, 10, 3);
    // Unpacked: two 4-byte slots, then the two texts.
    for (const char* Name : {"c", "a", "b"}) {
      Append(F, std::string(8, '\x5A'));
      Append(F, Bytes({1, Name[0], 2, 'v', Name[0]}));
    }
    F.push_back(0xFF);
    F.push_back(0x77);  // whatever follows stays unread
    TMemoryStream S(F);
    auto L = TRecordTable::LoadQuiet(S);
    ASSERT_TRUE(L) << "version " << C.Version;
    EXPECT_EQ(L->RecordCount(), 3);
    EXPECT_EQ(L->Capacity(), 10);
    EXPECT_EQ(L->Flags, 0u);
    EXPECT_EQ(TextString(TextAt(L->RecordAt(0, 0), 0)), "a");
    EXPECT_EQ(TextString(TextAt(L->RecordAt(0, 2), RefSize)), "vc");
    EXPECT_EQ(S.Position(), static_cast<int64_t>(F.size()) - 1);
  }
}

TEST(TableFile, FifthByteFourWithoutMagic) {
  auto F = Header(4, ParamStructure(), ParamIndexes(), 3, 3, 0);
  F.push_back(0xFF);
  F[0] = 'X';  // the magic is gone; the version byte still says 4
  EXPECT_TRUE(Loaded(F));
  F[16] = 'c';  // "Created" damaged
  EXPECT_FALSE(Loaded(F));
}

TEST(TableFile, FailuresOfTheHeader) {
  auto Good = Header(4, ParamStructure(), ParamIndexes(), 3, 3, 0);
  Good.push_back(0xFF);
  ASSERT_TRUE(Loaded(Good));
  const size_t SD = 5, Cap = 11, CreatedAt = 15, ByAt = 26, Sig = 32;
  struct Case {
    size_t At;
    uint8_t Value;
  } Cases[] = {
      {CreatedAt + 6, 'D'}, {ByAt + 1, 'Y'}, {Sig + 15, 'X'},  // markers
      {Cap, 0},                                                  // Capacity 0: Init refuses
      {SD + 1, 17},                                              // a field code above 16
      {SD + 4, 6},                                               // index on a missing field
  };
  for (const Case& C : Cases) {
    auto F = Good;
    F[C.At] = C.Value;
    EXPECT_FALSE(Loaded(F)) << "byte " << C.At;
  }
}

TEST(TableFile, LoadAtMost) {
  for (int N : {250, 251}) {
    auto T = TRecordTable::Create(ParamStructure(), ParamIndexes(), 3, 3);
    for (int i = 0; i < N; ++i) {
      uint8_t Rec[2 * RefSize];
      SetRefAt(Rec, 0, NewTextFrom("n"));
      SetRefAt(Rec, RefSize, EmptyText);
      T->Add(Rec);
    }
    TMemoryStream S(Saved(*T));
    auto L = TRecordTable::LoadAtMost(S, 250);
    EXPECT_EQ(L != nullptr, N == 250) << N;
  }
}

TEST(TableFile, ProgressOfLoad) {
  auto T = MakeDict();
  for (int i = 0; i < 4; ++i) AddDict(*T, "q" + std::to_string(i));
  TMemoryStream S(Saved(*T));
  std::vector<int32_t> Events;
  auto L = TRecordTable::Load(S, [&] { Events.push_back(-1); }, [&](int32_t N) { Events.push_back(N); });
  ASSERT_TRUE(L);
  EXPECT_EQ(Events, (std::vector<int32_t>{4, -1, -1, -1, -1}));
  ASSERT_TRUE(L->OnProgressStep && L->OnProgressStart);
  L->OnProgressStep = nullptr;
  L->OnProgressStart = nullptr;
}

// Sound bytes that cannot be filed: two records with the same question in the unique index.
std::vector<uint8_t> DuplicateQuestionFile() {
  auto F = Header(4, DictStructure(), DictIndexes(), 10, 10, 3, tfPacked);
  for (const char* Q : {"a", "b", "a"}) {
    Append(F, std::string(12, '\0'));
    Append(F, Bytes({1, Q[0], 0, 0}));
  }
  F.push_back(0xFF);
  return F;
}

TEST(TableFile, RefusedRecordFailsTheLoadAfterReportingWhatWasFiled) {
  auto F = DuplicateQuestionFile();
  TMemoryStream S(F);
  std::vector<int32_t> Starts;
  EXPECT_FALSE(TRecordTable::Load(S, nullptr, [&](int32_t N) { Starts.push_back(N); }));
  EXPECT_EQ(Starts, (std::vector<int32_t>{3, 2}));
}

// A table of every owned kind, nested two deep.
std::unique_ptr<TRecordTable> Nested() {
  const std::string SD = Bytes({4, 14, 16, 12, 13, 15});
  auto Inner = TRecordTable::Create(SD, Bytes({255, 0}), 2, 5);
  auto Outer = TRecordTable::Create(SD, Bytes({252, 0, 255, 2}), 4, 4);
  Outer->SetPacked(true);
  const uint16_t Off[] = {0, 4, 4 + RefSize, 4 + 2 * RefSize, 4 + 3 * RefSize, 4 + 4 * RefSize};
  std::vector<uint8_t> Rec(Inner->RecordSize());
  for (int i = 0; i < 3; ++i) {
    std::fill(Rec.begin(), Rec.end(), 0);
    SetLongIntAt(Rec.data(), Off[0], i);
    SetRefAt(Rec.data(), Off[2], NewCText(std::string(static_cast<size_t>(i) * 300, 'c')));
    SetRefAt(Rec.data(), Off[3], NewTextFrom(std::string(static_cast<size_t>(i), 't')));
    SetRefAt(Rec.data(), Off[4], EmptyText);  // borrowed: not saved
    SetRefAt(Rec.data(), Off[5], &Rec);
    Inner->Add(Rec.data());
  }
  for (int i = 0; i < 3; ++i) {
    std::fill(Rec.begin(), Rec.end(), 0);
    SetLongIntAt(Rec.data(), Off[0], 10 - i);
    if (i == 1) SetRefAt(Rec.data(), Off[1], Inner.release());
    if (i == 2) SetRefAt(Rec.data(), Off[2], NewCText("z"));
    Outer->Add(Rec.data());
  }
  return Outer;
}

TEST(TableFile, NestedTablesAndOwnedValues) {
  auto T = Nested();
  auto File = Saved(*T);
  auto L = Loaded(File);
  ASSERT_TRUE(L);
  EXPECT_EQ(Saved(*L), File);
  const uint16_t TableAt = 4, CTextAt = 4 + RefSize, RefAt_ = 4 + 3 * RefSize, PtrAt = 4 + 4 * RefSize;
  // Index 0 order: 8, 9, 10; record 9 holds the nested table.
  EXPECT_EQ(RefAt(L->RecordAt(0, 0), TableAt), nullptr);
  EXPECT_STREQ(static_cast<char*>(RefAt(L->RecordAt(0, 0), CTextAt)), "z");
  EXPECT_STREQ(static_cast<char*>(RefAt(L->RecordAt(0, 2), CTextAt)), "");  // nil is written as length 0
  auto* In = static_cast<TRecordTable*>(RefAt(L->RecordAt(0, 1), TableAt));
  ASSERT_NE(In, nullptr);
  EXPECT_EQ(In->RecordCount(), 3);
  EXPECT_EQ(In->Capacity(), 2 + 5);
  EXPECT_EQ(std::string(static_cast<char*>(RefAt(In->RecordAt(0, 2), CTextAt))), std::string(600, 'c'));
  EXPECT_EQ(RefAt(In->RecordAt(0, 2), RefAt_), nullptr);  // borrowed references come back as nil
  EXPECT_EQ(RefAt(In->RecordAt(0, 2), PtrAt), nullptr);
}

class TOtherTable : public TRecordTable {};

TEST(TableFile, TableFieldMarkers) {
  // nil: 254 0; a table of another kind: 255 0 and nothing after it.
  auto T = TRecordTable::Create(Bytes({14}), Bytes({254}), 1, 1);
  T->SetPacked(true);
  uint8_t Rec[RefSize] = {};
  T->Add(Rec);
  auto File = Saved(*T);
  auto Head = Header(4, Bytes({14}), Bytes({254}), 1, 1, 1, tfPacked);
  Append(Head, Bytes({254, 0, 0xFF}));
  EXPECT_EQ(File, Head);
  auto L = Loaded(File);
  ASSERT_TRUE(L);
  EXPECT_EQ(RefAt(L->RecordAt(0, 0), 0), nullptr);
}

TEST(TableFile, NestedTableThatFailsReadsAsNil) {
  // The nested header is refused at Init (Capacity 0); the outer read goes on after it.
  auto F = Header(4, Bytes({4, 14}), Bytes({255, 0}), 1, 1, 1, tfPacked);
  AppendValue<int32_t>(F, 42);
  AppendValue<uint16_t>(F, 240);
  auto Inner = Header(4, Bytes({4}), Bytes({255, 0}), 0, 1, 0);
  Inner.resize(Inner.size() - 4 - 16 - 4);  // the nested read stops after "by"
  F.insert(F.end(), Inner.begin(), Inner.end());
  F.push_back(0xFF);
  auto L = Loaded(F);
  ASSERT_TRUE(L);
  EXPECT_EQ(LongIntAt(L->RecordAt(0, 0), 0), 42);
  EXPECT_EQ(RefAt(L->RecordAt(0, 0), 4), nullptr);
}

TEST(TableFile, WidthSurveyIsWrittenAndSkipped) {
  struct Case {
    std::vector<int32_t> Values;
    uint16_t Class;
  } Cases[] = {{{}, 0}, {{0, 255}, 1}, {{3, 256}, 2}, {{65536}, 3}, {{16777215}, 3}, {{16777216}, 0}, {{5, -1}, 0}};
  for (const Case& C : Cases) {
    auto T = TRecordTable::Create(Bytes({4, 0, 4}), Bytes({254}), 1, 1);
    T->Flags = tfWidthSurvey;
    for (int32_t V : C.Values) {
      uint8_t Rec[9] = {};
      SetLongIntAt(Rec, 0, V);
      SetLongIntAt(Rec, 5, 1);
      T->Add(Rec);
    }
    auto File = Saved(*T);
    size_t At = Header(4, Bytes({4, 0, 4}), Bytes({254}), 1, 1, 0).size();
    EXPECT_EQ(LoadAt<uint16_t>(File.data(), At), C.Class);
    EXPECT_EQ(LoadAt<uint16_t>(File.data(), At + 2), C.Values.empty() ? 0 : 1);
    auto L = Loaded(File);
    ASSERT_TRUE(L);
    EXPECT_EQ(L->RecordCount(), static_cast<int32_t>(C.Values.size()));
    if (!C.Values.empty()) {
      EXPECT_EQ(LongIntAt(L->RecordAt(0, 0), 0), C.Values[0]);
    }
  }
}

TEST(TableFile, TablesBackToBackAndUnseekableStreams) {
  auto A = Nested();
  auto B = MakeDict();
  for (int i = 0; i < 50; ++i) AddDict(*B, "w" + std::to_string(i), i % 3);
  TMemoryStream S;
  ASSERT_TRUE(A->Save(S));
  ASSERT_TRUE(B->Save(S));
  for (bool Pipe : {false, true}) {
    std::unique_ptr<TByteStream> In;
    if (Pipe) In = std::make_unique<TPipeStream>(S.Bytes());
    else In = std::make_unique<TMemoryStream>(S.Bytes());
    auto LA = TRecordTable::LoadQuiet(*In);
    auto LB = TRecordTable::LoadQuiet(*In);
    ASSERT_TRUE(LA && LB);
    EXPECT_EQ(Saved(*LA), Saved(*A));
    EXPECT_EQ(Questions(*LB, 0), Questions(*B, 0));
  }
  // Version 0 needs to step back, which a pipe cannot.
  auto V0 = Header(0, ParamStructure(), ParamIndexes(), 3, 3, 0);
  V0.push_back(0xFF);
  TPipeStream P(V0);
  EXPECT_FALSE(TRecordTable::LoadQuiet(P));
}

// The values of a record, texts by content.
std::string Image(const TRecordTable& T, const uint8_t* Rec) {
  std::string Out;
  for (int f = 0; f < T.FieldCount(); ++f) {
    const TFieldDesc& F = T.Field(f);
    if (F.Code == fcText) {
      const uint8_t* X = TextAt(Rec, F.Offset);
      Out += X ? "T" + TextString(X) : "N";
    } else if (F.Code == fcCText) {
      auto* X = static_cast<const char*>(RefAt(Rec, F.Offset));
      Out += X ? "C" + std::string(X) : "N";
    } else if (F.Code < fcText) {
      Out.append(reinterpret_cast<const char*>(Rec + F.Offset), F.Size);
    }
    Out += '|';
  }
  return Out;
}

// Random tables of many field kinds: what is saved loads back to the same
// bytes, and the loaded indexes are ordered as adding the records one by one
// in file order would order them.
TEST(TableFile, RandomRoundTrips) {
  std::mt19937 Rng(11);
  const uint8_t Codes[] = {0, 1, 2, 3, 4, 5, 6, 9, 10, 12, 16};
  for (int Round = 0; Round < 40; ++Round) {
    std::string SD, ID;
    int Fields = 1 + static_cast<int>(Rng() % 5);
    for (int f = 0; f < Fields; ++f) {
      uint8_t C = Codes[Rng() % sizeof Codes];
      SD.push_back(static_cast<char>(C));
      if (C == fcChars) SD.push_back(static_cast<char>(1 + Rng() % 3));
    }
    int Indexes = 1 + static_cast<int>(Rng() % 3);
    for (int x = 0; x < Indexes; ++x) {
      ID.push_back(static_cast<char>(x == 0 && Rng() % 2 ? 252 : 255));
      for (int k = 0, n = 1 + static_cast<int>(Rng() % 2); k < n; ++k)
        ID.push_back(static_cast<char>(Rng() % Fields));
    }
    auto T = TRecordTable::Create(SD, ID, 1 + static_cast<int32_t>(Rng() % 5), 1 + static_cast<int32_t>(Rng() % 5));
    ASSERT_TRUE(T);
    T->SetPacked(Rng() % 2);
    std::vector<uint8_t> Rec(T->RecordSize());
    int N = static_cast<int>(Rng() % 300);
    for (int i = 0; i < N; ++i) {
      for (auto& B : Rec) B = static_cast<uint8_t>(Rng() % 4);  // few values: many equal keys
      for (int f = 0; f < Fields; ++f) {
        const TFieldDesc& F = T->Field(f);
        if (F.Code == fcDouble) StoreAt<double>(Rec.data(), F.Offset, static_cast<double>(Rng() % 5));
        if (F.Code == fcSingle) StoreAt<float>(Rec.data(), F.Offset, static_cast<float>(Rng() % 5));
        // No nil values: they come back as empty texts, which sort differently.
        if (F.Code == fcText) SetRefAt(Rec.data(), F.Offset, NewTextFrom(std::string(Rng() % 3, 'a' + Rng() % 3)));
        if (F.Code == fcCText) SetRefAt(Rec.data(), F.Offset, NewCText(std::string(Rng() % 3, 'a')));
      }
      if (!T->Add(Rec.data(), static_cast<TPlacement>(Rng() % 3))) {
        for (const TOwnedField& O : T->OwnedFields()) {
          if (O.Code == fcText) DisposeText(TextAt(Rec.data(), O.Offset));
          else DisposeCText(static_cast<char*>(RefAt(Rec.data(), O.Offset)));
        }
      }
    }
    auto File = Saved(*T);
    auto L = Loaded(File);
    std::string Def;
    for (char c : SD + "/" + ID) Def += std::to_string(static_cast<uint8_t>(c)) + " ";
    ASSERT_TRUE(L) << "round " << Round << ": " << Def << " packed " << T->Flags << " n " << T->RecordCount();
    // Equal keys in index 0 are re-filed by the bisection while loading, so only
    // a unique index 0 promises the same order, and with it the same bytes.
    if (T->IndexUnique(0)) {
      EXPECT_EQ(Saved(*L), File) << "round " << Round;
    }
    EXPECT_EQ(L->Capacity(), T->Capacity());
    TBisectionModel M(*T);
    for (int32_t p = 0; p < T->RecordCount(); ++p) M.Insert(T->RecordAt(0, p), dpAny);
    for (int32_t x = 0; x < L->IndexCount(); ++x)
      for (int32_t p = 0; p < L->RecordCount(); ++p)
        ASSERT_EQ(Image(*L, L->RecordAt(x, p)), Image(*T, M.At(x, p)->data())) << "index " << x << " pos " << p;
  }
}

}  // namespace

namespace {

struct TScanned {
  std::unique_ptr<TRecordTable> Table;
  bool Filable = false;
  std::vector<std::string> Questions;
  std::vector<int32_t> Statuses;
  int Answers = 0;  // answers seen: owned values no unique key needs are never made
};

TScanned ScanBytes(const std::vector<uint8_t>& File) {
  TScanned R;
  TMemoryStream S(File);
  R.Table = TRecordTable::Scan(S, [&](const uint8_t* Rec) {
    R.Questions.push_back(QuestionOf(Rec));
    R.Statuses.push_back(StatusOf(Rec));
    R.Answers += TextAt(Rec, RefSize) != nullptr;
  }, R.Filable);
  return R;
}

TEST(TableScan, SeesWhatLoadFiles) {
  std::mt19937 Rng(9);
  auto T = MakeDict();
  for (int i = 0; i < 300; ++i) AddDict(*T, "q" + std::to_string(Rng()), static_cast<int32_t>(Rng() % 3));
  for (bool Packed : {false, true}) {
    T->SetPacked(Packed);
    TMemoryStream S;
    ASSERT_TRUE(T->Save(S));
    TScanned Seen = ScanBytes(S.Bytes());
    ASSERT_TRUE(Seen.Table);
    EXPECT_TRUE(Seen.Filable);
    EXPECT_EQ(Seen.Table->RecordCount(), 0);
    EXPECT_EQ(Seen.Table->StructureDef(), T->StructureDef());
    EXPECT_EQ(Seen.Questions, Questions(*T, 0));
    std::vector<int32_t> Statuses;
    for (int32_t p = 0; p < T->RecordCount(); ++p) Statuses.push_back(StatusOf(T->RecordAt(0, p)));
    EXPECT_EQ(Seen.Statuses, Statuses);
    EXPECT_EQ(Seen.Answers, 0);
  }
}

TEST(TableScan, FailsWhereLoadFailsOnTheBytes) {
  // Every cut of a file with nested tables and every owned kind.
  auto T = Nested();
  TMemoryStream S;
  ASSERT_TRUE(T->Save(S));
  const std::vector<uint8_t> File = S.Bytes();
  for (size_t Len = 0; Len <= File.size(); ++Len) {
    std::vector<uint8_t> Cut(File.begin(), File.begin() + static_cast<std::ptrdiff_t>(Len));
    TMemoryStream L(Cut);
    const bool Loads = TRecordTable::LoadQuiet(L) != nullptr;
    TMemoryStream V(Cut);
    bool Filable = false;
    int Seen = 0;
    const bool Scans = TRecordTable::Scan(V, [&](const uint8_t*) { ++Seen; }, Filable) != nullptr;
    EXPECT_EQ(Scans, Loads) << "cut at " << Len;
    if (Scans) {
      EXPECT_TRUE(Filable) << "cut at " << Len;
    }
    if (Len == File.size()) {
      EXPECT_EQ(Seen, 3);
    }
  }
}

TEST(TableScan, TellsWhenLoadWouldRefuseARecord) {
  auto F = DuplicateQuestionFile();
  TMemoryStream L(F);
  EXPECT_FALSE(TRecordTable::LoadQuiet(L));
  TScanned Seen = ScanBytes(F);
  ASSERT_TRUE(Seen.Table);
  EXPECT_FALSE(Seen.Filable);
  EXPECT_EQ(Seen.Questions, (std::vector<std::string>{"a", "b", "a"}));
}

}  // namespace
