#include "engine/RecordTable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <typeinfo>

#include "engine/ByteCoding.h"
#include "engine/ItemStack.h"

namespace {

template <typename T>
int Order(T A, T B) {
  return A < B ? -1 : (B < A ? 1 : 0);
}

template <typename T>
int OrderAt(const uint8_t* A, const uint8_t* B) {
  return Order(LoadAt<T>(A, 0), LoadAt<T>(B, 0));
}

// nil before any text; unsigned bytes over the shorter length; then the shorter first.
int TextOrder(const uint8_t* A, const uint8_t* B) {
  if (!A || !B) return Order(A != nullptr, B != nullptr);
  int C = std::memcmp(A + 1, B + 1, std::min(A[0], B[0]));
  if (C) return C < 0 ? -1 : 1;
  return Order(A[0], B[0]);
}

int CTextOrder(const char* A, const char* B) {
  if (!A || !B) return Order(A != nullptr, B != nullptr);
  int C = std::strcmp(A, B);  // strcmp compares as unsigned char
  return C < 0 ? -1 : (C > 0 ? 1 : 0);
}

long double ExtendedAt(const uint8_t* P) {
  long double V = 0;
  std::memcpy(&V, P, 10);
  return V;
}

uint16_t FixedSize(uint8_t Code) {
  switch (Code) {
    case fcByte: case fcShortInt: return 1;
    case fcWord: case fcSmallInt: return 2;
    case fcLongInt: case fcSingle: return 4;
    case fcDouble: case fcReal: case fcComp: return 8;
    case fcExtended: return 10;
    default: return RefSize;  // 12 to 16
  }
}

bool IsOwned(uint8_t Code) { return Code == fcText || Code == fcTable || Code == fcCText; }

}  // namespace

// ---------------------------------------------------------------------------
// Creation

TRecordTable::TRecordTable() = default;

std::unique_ptr<TRecordTable> TRecordTable::Create(std::string_view StructureDef, std::string_view IndexDef,
                                                   int32_t Capacity, int32_t GrowthStep, uint16_t* Status) {
  std::unique_ptr<TRecordTable> T(new TRecordTable());
  uint16_t St = tsSuccess;
  bool Ok = T->Init(StructureDef, IndexDef, Capacity, GrowthStep, St);
  if (Status) *Status = St;
  if (!Ok) return nullptr;
  return T;
}

bool TRecordTable::Init(std::string_view StructureDef, std::string_view IndexDef, int32_t Capacity,
                        int32_t GrowthStep, uint16_t& Status) {
  auto Fail = [&](uint16_t S) {
    FFields.clear();
    FOwned.clear();
    FIndexes.clear();
    FStructureDef.clear();
    FIndexDef.clear();
    FRecordSize = 0;
    Status = S;
    return false;
  };
  if (Capacity < 1 || Capacity > MaxRecordCount || GrowthStep < 1 || GrowthStep > MaxGrowthStep)
    return Fail(tsBadSizing);

  // Structure definition.
  std::string_view SD = StructureDef.substr(0, 255);
  if (SD.empty()) return Fail(tsEmptyStructureDef);
  uint32_t Size = 0;
  for (size_t p = 0; p < SD.size();) {
    uint8_t Code = static_cast<uint8_t>(SD[p]);
    if (Code > fcCText) return Fail(tsBadFieldCode);
    if (FFields.size() == MaxFieldCount) return Fail(tsTooManyFields);
    uint16_t FieldSize;
    if (Code == fcChars) {
      if (p + 1 >= SD.size()) return Fail(tsMissingCharsSize);
      FieldSize = static_cast<uint8_t>(SD[p + 1]);
      p += 2;
    } else if (Code == fcBlock) {
      if (p + 2 >= SD.size()) return Fail(tsMissingBlockSize);
      FieldSize = static_cast<uint16_t>(static_cast<uint8_t>(SD[p + 1]) << 8 | static_cast<uint8_t>(SD[p + 2]));
      p += 3;
    } else {
      FieldSize = FixedSize(Code);
      p += 1;
    }
    if (Size + FieldSize > 65535) return Fail(tsRecordTooLarge);
    FFields.push_back({Code, FieldSize, 0, static_cast<uint16_t>(Size)});
    Size += FieldSize;
  }
  FRecordSize = static_cast<uint16_t>(Size);
  for (const TFieldDesc& F : FFields)
    if (IsOwned(F.Code)) FOwned.push_back({F.Code, F.Offset});

  // Index definition: check.
  std::string_view ID = IndexDef.substr(0, 255);
  if (ID.empty()) return Fail(tsEmptyIndexDef);
  bool Started = false;
  for (size_t p = 0; p < ID.size(); ++p) {
    uint8_t B = static_cast<uint8_t>(ID[p]);
    if (B >= 251) {
      // 251 would give an index whose fields never take part in comparisons.
      if (B == 251) return Fail(tsBadFieldNumber);
      Started = true;
      continue;
    }
    if (!Started || B >= FFields.size()) return Fail(tsBadFieldNumber);
    uint8_t Before = static_cast<uint8_t>(ID[p - 1]);
    if (Before == 253 || Before == 254) return Fail(tsFieldAfterFixedOrder);
    uint8_t Code = FFields[B].Code;
    if (Code == fcBlock) return Fail(tsBlockKey);
    if (Code == fcTable) return Fail(tsTableKey);
    if (Code == fcPointer) return Fail(tsPointerKey);
  }
  // Size and fill.
  for (size_t p = 0; p < ID.size(); ++p) {
    uint8_t B = static_cast<uint8_t>(ID[p]);
    if (B >= 251) {
      TIndexDesc& X = FIndexes.emplace_back();
      X.Flags = B == 252 ? ixUnique : 0;
      if (B == 254) X.KeyParts.push_back({kpAlwaysBefore, 0, false, 0});
      if (B == 253) X.KeyParts.push_back({kpAlwaysAfter, 0, false, 0});
    } else {
      const TFieldDesc& F = FFields[B];
      FIndexes.back().KeyParts.push_back({F.Code, F.Offset, false, F.Size});
    }
  }
  for (size_t i = 0; i < FIndexes.size(); ++i) {
    TIndexDesc& X = FIndexes[i];
    if (X.KeyParts.empty()) return Fail(tsNoKeyParts);
    X.ActiveParts = static_cast<int32_t>(X.KeyParts.size());
    X.Records = std::make_unique<TPositionIndex>(static_cast<int32_t>(i));
    SetPrefixRule(X);
  }
  FStructureDef.assign(SD);
  FIndexDef.assign(ID);
  FCapacity = Capacity;
  FGrowthStep = GrowthStep;
  Status = tsSuccess;
  return true;
}

TRecordTable::~TRecordTable() { Clear(); }

void ReleaseTable(TRecordTable*& T) {
  if (!T) return;
  TRecordTable* Old = T;
  T = nullptr;
  delete Old;
}

// ---------------------------------------------------------------------------
// Record blocks: every block carries, just before its bytes, one slot per
// index (see TPositionIndex).

size_t TRecordTable::BlockHead() const { return FIndexes.size() * sizeof(TPositionIndex::TSlot); }

uint8_t* TRecordTable::NewRecordBlock() const {
  auto* Base = static_cast<uint8_t*>(std::malloc(BlockHead() + FRecordSize));
  return Base ? Base + BlockHead() : nullptr;
}

void TRecordTable::FreeRecordBlock(uint8_t* Rec) const {
  if (Rec) std::free(Rec - BlockHead());
}

void TRecordTable::ReleaseOwnedValues(uint8_t* Rec) const {
  for (const TOwnedField& O : FOwned) {
    void* V = RefAt(Rec, O.Offset);
    SetRefAt(Rec, O.Offset, nullptr);
    if (O.Code == fcText) {
      DisposeText(static_cast<PText>(V));
    } else if (O.Code == fcTable) {
      auto* T = static_cast<TRecordTable*>(V);
      ReleaseTable(T);
    } else {
      DisposeCText(static_cast<char*>(V));
    }
  }
}

// ---------------------------------------------------------------------------
// Comparing and searching

int TRecordTable::Compare(int32_t Index, const void* Rec, const void* Key) const {
  if (Index < 0 || Index >= IndexCount() || !Rec || !Key) return 0;
  const TIndexDesc& X = FIndexes[Index];
  for (int32_t k = 0; k < X.ActiveParts; ++k) {
    const TKeyPart& P = X.KeyParts[k];
    const uint8_t* A = static_cast<const uint8_t*>(Rec) + P.Offset;
    const uint8_t* B = static_cast<const uint8_t*>(Key) + P.Offset;
    if (P.Descending) std::swap(A, B);
    int C = 0;
    switch (P.Code) {
      case fcByte: C = OrderAt<uint8_t>(A, B); break;
      case fcShortInt: C = OrderAt<int8_t>(A, B); break;
      case fcWord: C = OrderAt<uint16_t>(A, B); break;
      case fcSmallInt: C = OrderAt<int16_t>(A, B); break;
      case fcLongInt: C = OrderAt<int32_t>(A, B); break;
      case fcDouble: case fcReal: C = OrderAt<double>(A, B); break;
      case fcSingle: C = OrderAt<float>(A, B); break;
      case fcExtended: C = Order(ExtendedAt(A), ExtendedAt(B)); break;
      case fcComp: C = OrderAt<int64_t>(A, B); break;
      case fcChars: {
        int M = P.Size ? std::memcmp(A, B, P.Size) : 0;
        C = M < 0 ? -1 : (M > 0 ? 1 : 0);
        break;
      }
      case fcText: case fcTextRef:
        C = TextOrder(static_cast<const uint8_t*>(RefAt(A, 0)), static_cast<const uint8_t*>(RefAt(B, 0)));
        break;
      case fcCText:
        C = CTextOrder(static_cast<const char*>(RefAt(A, 0)), static_cast<const char*>(RefAt(B, 0)));
        break;
      case kpAlwaysBefore: return -1;
      case kpAlwaysAfter: return 1;
      default: break;
    }
    if (C) return C;
  }
  return 0;
}

namespace {
enum : uint8_t { pkNone, pkIntPair, pkIntSingle, pkComp, pkText, pkCText, pkChars };

bool IsSmallInt(uint8_t Code) { return Code <= fcLongInt; }

uint32_t OrderedBits(uint8_t Code, const uint8_t* P) {
  switch (Code) {
    case fcByte: return LoadAt<uint8_t>(P, 0);
    case fcShortInt: return static_cast<uint32_t>(static_cast<int32_t>(LoadAt<int8_t>(P, 0))) ^ 0x80000000u;
    case fcWord: return LoadAt<uint16_t>(P, 0);
    case fcSmallInt: return static_cast<uint32_t>(static_cast<int32_t>(LoadAt<int16_t>(P, 0))) ^ 0x80000000u;
    default: return static_cast<uint32_t>(LoadAt<int32_t>(P, 0)) ^ 0x80000000u;
  }
}

// Big-endian bytes after a presence byte: nil below every text, and a text
// cut or padded with zero bytes never changes order.
uint64_t BytesPrefix(bool Present, const uint8_t* B, size_t N) {
  uint64_t K = Present ? 1 : 0;
  for (size_t i = 0; i < 7; ++i) K = K << 8 | (i < N ? B[i] : 0);
  return K;
}
}  // namespace

void TRecordTable::SetPrefixRule(TIndexDesc& X) const {
  const auto& P = X.KeyParts;
  X.PrefixKind = pkNone;
  for (const TKeyPart& K : P)
    if (K.Descending) return;
  uint8_t C = P[0].Code;
  X.PrefixMask = ~uint64_t{0};
  if (IsSmallInt(C) && P.size() >= 2 && IsSmallInt(P[1].Code)) {
    X.PrefixKind = pkIntPair;
    if (X.ActiveParts == 1) X.PrefixMask = ~uint64_t{0} << 32;
    X.PrefixExact = X.ActiveParts <= 2;
  } else if (IsSmallInt(C) || C == fcComp) {
    X.PrefixKind = C == fcComp ? pkComp : pkIntSingle;
    X.PrefixExact = X.ActiveParts == 1;
  } else if (C == fcText || C == fcTextRef || C == fcCText) {
    X.PrefixKind = C == fcCText ? pkCText : pkText;
    X.PrefixExact = false;
  } else if (C == fcChars) {
    X.PrefixKind = pkChars;
    X.PrefixExact = false;
  }
}

uint64_t TRecordTable::KeyPrefix(int32_t Index, const void* Rec) const {
  const TIndexDesc& X = FIndexes[Index];
  const auto* R = static_cast<const uint8_t*>(Rec);
  const TKeyPart& P = X.KeyParts[0];
  switch (X.PrefixKind) {
    case pkIntPair:
      return uint64_t{OrderedBits(P.Code, R + P.Offset)} << 32 |
             OrderedBits(X.KeyParts[1].Code, R + X.KeyParts[1].Offset);
    case pkIntSingle: return uint64_t{OrderedBits(P.Code, R + P.Offset)} << 32;
    case pkComp: return static_cast<uint64_t>(LoadAt<int64_t>(R, P.Offset)) ^ (uint64_t{1} << 63);
    case pkText: {
      auto* T = static_cast<const uint8_t*>(RefAt(R, P.Offset));
      return T ? BytesPrefix(true, T + 1, T[0]) : 0;
    }
    case pkCText: {
      auto* T = static_cast<const char*>(RefAt(R, P.Offset));
      return T ? BytesPrefix(true, reinterpret_cast<const uint8_t*>(T), strnlen(T, 7)) : 0;
    }
    case pkChars: {
      uint64_t K = 0;
      for (size_t i = 0; i < 8; ++i) K = K << 8 | (i < P.Size ? R[P.Offset + i] : 0);
      return K;
    }
    default: return 0;
  }
}

int TRecordTable::CompareEntry(int32_t Index, const TPositionIndex::TEntry& E, uint64_t KP,
                               const void* Key) const {
  const TIndexDesc& X = FIndexes[Index];
  if (X.PrefixKind != pkNone) {
    uint64_t A = E.Key & X.PrefixMask, B = KP & X.PrefixMask;
    if (A != B) return A < B ? -1 : 1;
    if (X.PrefixExact) return 0;
  }
  return Compare(Index, E.Rec, Key);
}

// [Lo, Hi) is the span of records equal to Key in a sorted index.
bool TRecordTable::EqualRange(int32_t Index, const void* Key, int32_t& Lo, int32_t& Hi) const {
  const TPositionIndex& R = *FIndexes[Index].Records;
  uint64_t KP = KeyPrefix(Index, Key);
  using TEntry = TPositionIndex::TEntry;
  Lo = R.LowerBound([&](const TEntry& E) { return CompareEntry(Index, E, KP, Key) < 0; });
  if (Lo >= R.Count() || CompareEntry(Index, R.EntryAt(Lo), KP, Key) != 0) {
    Hi = Lo;
    return false;
  }
  // Most keys are met once: look at the neighbour before searching again.
  if (Lo + 1 == R.Count() || CompareEntry(Index, R.EntryAt(Lo + 1), KP, Key) != 0) {
    Hi = Lo + 1;
    return true;
  }
  Hi = R.LowerBound([&](const TEntry& E) { return CompareEntry(Index, E, KP, Key) <= 0; });
  return true;
}

bool TRecordTable::Find(int32_t Index, const void* Key, int32_t& Pos) const {
  Pos = 0;
  if (Index < 0 || Index >= IndexCount() || !Key) return false;
  int32_t Lo, Hi;
  if (!EqualRange(Index, Key, Lo, Hi)) {
    Pos = Lo;
    return false;
  }
  Pos = BisectionMeets(Lo, Hi, FRecordCount);
  return true;
}

bool TRecordTable::FindFirst(int32_t Index, const void* Key, int32_t& Pos) const {
  Pos = 0;
  if (Index < 0 || Index >= IndexCount() || !Key) return false;
  int32_t Lo, Hi;
  bool Found = EqualRange(Index, Key, Lo, Hi);
  Pos = Lo;
  return Found;
}

bool TRecordTable::FindLast(int32_t Index, const void* Key, int32_t& Pos) const {
  Pos = 0;
  if (Index < 0 || Index >= IndexCount() || !Key) return false;
  int32_t Lo, Hi;
  bool Found = EqualRange(Index, Key, Lo, Hi);
  Pos = Found ? Hi - 1 : Lo;
  return Found;
}

bool TRecordTable::FindRange(int32_t Index, const void* Key, int32_t& First, int32_t& Last) const {
  First = 0;
  if (Index < 0 || Index >= IndexCount() || !Key) return false;
  int32_t Lo, Hi;
  bool Found = EqualRange(Index, Key, Lo, Hi);
  First = Lo;
  if (Found) Last = Hi - 1;
  return Found;
}

int32_t TRecordTable::PositionOf(int32_t Index, const uint8_t* Rec) const {
  return FIndexes[Index].Records->PositionOf(Rec);
}

bool TRecordTable::LocateIn(int32_t Index, int32_t Pos, int32_t Other, int32_t& OtherPos) const {
  uint8_t* Rec = RecordAt(Index, Pos);
  if (!Rec || Other < 0 || Other >= IndexCount()) return false;
  OtherPos = PositionOf(Other, Rec);
  return true;
}

bool TRecordTable::SetKeyParts(int32_t Index, int32_t N) {
  if (Index < 0 || Index >= IndexCount()) return false;
  TIndexDesc& X = FIndexes[Index];
  if (N < 1 || N > static_cast<int32_t>(X.KeyParts.size())) return false;
  X.ActiveParts = N;
  SetPrefixRule(X);
  return true;
}

bool TRecordTable::ResetKeyParts(int32_t Index) {
  if (Index < 0 || Index >= IndexCount()) return false;
  FIndexes[Index].ActiveParts = static_cast<int32_t>(FIndexes[Index].KeyParts.size());
  SetPrefixRule(FIndexes[Index]);
  return true;
}

bool TRecordTable::IndexUnique(int32_t Index) const {
  return Index >= 0 && Index < IndexCount() && (FIndexes[Index].Flags & ixUnique);
}

int32_t TRecordTable::ActiveParts(int32_t Index) const {
  return Index >= 0 && Index < IndexCount() ? FIndexes[Index].ActiveParts : 0;
}

int32_t TRecordTable::TotalParts(int32_t Index) const {
  return Index >= 0 && Index < IndexCount() ? static_cast<int32_t>(FIndexes[Index].KeyParts.size()) : 0;
}

const TKeyPart* TRecordTable::KeyPart(int32_t Index, int32_t Part) const {
  if (Part < 0 || Part >= TotalParts(Index)) return nullptr;
  return &FIndexes[Index].KeyParts[Part];
}

void TRecordTable::SetPacked(bool B) { Flags = B ? (Flags | tfPacked) : (Flags & ~tfPacked); }

// ---------------------------------------------------------------------------
// Records

uint8_t* TRecordTable::RecordAt(int32_t Index, int32_t Pos) const {
  if (Index < 0 || Index >= IndexCount() || Pos < 0 || Pos >= FRecordCount) return nullptr;
  return FIndexes[Index].Records->At(Pos);
}

// The capacity is a count the table reports and saves; storage itself grows
// geometrically inside the position indexes.
bool TRecordTable::MakeRoom() {
  if (FRecordCount >= MaxRecordCount) return false;
  if (FRecordCount == FCapacity) FCapacity += std::min(FGrowthStep, MaxRecordCount - FRecordCount);
  return true;
}

bool TRecordTable::FindPlace(int32_t Index, const void* Rec, TPlacement Placement) {
  TIndexDesc& X = FIndexes[Index];
  int32_t Lo, Hi;
  bool Found = EqualRange(Index, Rec, Lo, Hi);
  if (Found && (X.Flags & ixUnique)) return false;
  if (!Found) X.InsertPosition = Lo;
  else if (Placement == dpFirst) X.InsertPosition = Lo;
  else if (Placement == dpLast) X.InsertPosition = Hi;
  else X.InsertPosition = BisectionMeets(Lo, Hi, FRecordCount);
  return true;
}

bool TRecordTable::FindPlaces(const void* Rec, TPlacement Placement) {
  for (int32_t i = 0; i < IndexCount(); ++i)
    if (!FindPlace(i, Rec, Placement)) return false;
  return FRecordCount < MaxRecordCount;
}

void TRecordTable::FileBlock(uint8_t* Block) {
  MakeRoom();
  for (int32_t i = 0; i < IndexCount(); ++i)
    if (!FIndexes[i].Kept) FIndexes[i].Records->InsertAt(FIndexes[i].InsertPosition, Block, KeyPrefix(i, Block));
  ++FRecordCount;
}

bool TRecordTable::StaysAt(int32_t Index, int32_t Pos, const uint8_t* Rec, uint64_t KP) const {
  // The neighbours' key prefixes decide most of it without touching their records.
  const TPositionIndex& R = *FIndexes[Index].Records;
  if (Pos > 0 && CompareEntry(Index, R.EntryAt(Pos - 1), KP, Rec) >= 0) return false;
  return Pos + 1 >= R.Count() || CompareEntry(Index, R.EntryAt(Pos + 1), KP, Rec) > 0;
}

bool TRecordTable::Insert(int32_t Index, const void* Rec, TPlacement Placement, int32_t& Pos) {
  if (Index < 0 || Index >= IndexCount() || !Rec) return false;
  if (!FindPlaces(Rec, Placement)) return false;
  uint8_t* Block = NewRecordBlock();
  if (!Block) return false;
  if (FRecordSize) std::memcpy(Block, Rec, FRecordSize);
  FileBlock(Block);
  Pos = FIndexes[Index].InsertPosition;
  return true;
}

bool TRecordTable::Add(const void* Rec, TPlacement Placement) {
  int32_t Pos;
  return Insert(0, Rec, Placement, Pos);
}

bool TRecordTable::Delete(int32_t Index, int32_t Pos) {
  uint8_t* Rec = RecordAt(Index, Pos);
  if (!Rec) return false;
  for (int32_t j = 0; j < IndexCount(); ++j)
    if (j != Index) FIndexes[j].Records->RemoveAt(PositionOf(j, Rec));
  FIndexes[Index].Records->RemoveAt(Pos);
  --FRecordCount;
  ReleaseOwnedValues(Rec);
  FreeRecordBlock(Rec);
  return true;
}

bool TRecordTable::Detach(int32_t Index, int32_t Pos) {
  uint8_t* Rec = RecordAt(Index, Pos);
  if (!Rec) return false;
  if (FRecordSize) std::memset(Rec, 0, FRecordSize);
  return Delete(Index, Pos);
}

bool TRecordTable::Update(int32_t Index, int32_t Pos, TPlacement Placement) {
  uint8_t* Rec = RecordAt(Index, Pos);
  if (!Rec) return false;
  if (typeid(*this) == typeid(TRecordTable)) {
    // Same outcome as Detach then Add, re-using the block: take the record out
    // of every index and find its new place there, then file it.
    // In a unique index a key that still sorts between its neighbours would be
    // filed back at the same place: there the record just stays.
    // Index goes first, its position being known: the record's slots and the
    // other indexes' references are fetched from memory while it is served.
    __builtin_prefetch(Rec - BlockHead());
    __builtin_prefetch(Rec);
    --FRecordCount;
    bool Fits = true;
    for (int32_t k = 0; k < IndexCount(); ++k) {
      const int32_t j = (Index + k) % IndexCount();
      TIndexDesc& X = FIndexes[j];
      int32_t P = k == 0 ? Pos : PositionOf(j, Rec);
      const uint64_t KP = X.Flags & ixUnique ? KeyPrefix(j, Rec) : 0;
      X.Kept = (X.Flags & ixUnique) && StaysAt(j, P, Rec, KP);
      if (X.Kept) {
        X.InsertPosition = P;
        X.Records->SetKeyAt(P, KP);
      } else {
        X.Records->RemoveAt(P);
      }
      if (k == 0)
        for (int32_t i = 1; i < IndexCount(); ++i) FIndexes[(Index + i) % IndexCount()].Records->Prefetch(Rec);
      if (!X.Kept && Fits) Fits = FindPlace(j, Rec, Placement);
    }
    if (Fits) FileBlock(Rec);
    for (TIndexDesc& X : FIndexes) {
      if (X.Kept && !Fits) X.Records->RemoveAt(X.InsertPosition);
      X.Kept = false;
    }
    if (Fits) return true;
    FreeRecordBlock(Rec);  // refused: its values stay with the caller, as after a Detach
    return false;
  }
  uint8_t Small[512];
  std::vector<uint8_t> Large;
  uint8_t* Copy = Small;
  if (FRecordSize > sizeof Small) {
    Large.resize(FRecordSize);
    Copy = Large.data();
  }
  if (FRecordSize) std::memcpy(Copy, Rec, FRecordSize);
  if (!Detach(Index, Pos)) return false;
  return Add(Copy, Placement);
}

void TRecordTable::Clear() {
  if (OnProgressStart) OnProgressStart(FRecordCount);
  if (FIndexes.empty()) return;
  // As Delete(0, n) from the last record down, without taking each record out
  // of the other indexes one at a time: they are emptied at once afterwards.
  for (int32_t n = FRecordCount - 1; n >= 0; --n) {
    if (OnProgressStep) OnProgressStep();
    uint8_t* Rec = FIndexes[0].Records->At(n);
    ReleaseOwnedValues(Rec);
    FreeRecordBlock(Rec);
  }
  for (TIndexDesc& X : FIndexes) X.Records->Clear();
  FRecordCount = 0;
}

void TRecordTable::DetachAll() {
  if (OnProgressStart) OnProgressStart(FRecordCount);
  for (int32_t n = FRecordCount - 1; n >= 0; --n) {
    if (OnProgressStep) OnProgressStep();
    Detach(0, n);
  }
}

bool TRecordTable::MoveFrom(TRecordTable* Source, TPlacement Placement, bool AllOrNothing) {
  if (!Source || Source == this || Source->FStructureDef.empty() || FStructureDef.empty() ||
      Source->FStructureDef != FStructureDef)
    return false;
  if (AllOrNothing) {
    int32_t Pushed = 0;
    for (int32_t i = 0; i < Source->FRecordCount; ++i) {
      int32_t q;
      if (Insert(0, Source->RecordAt(0, i), Placement, q)) {
        PushInt(q);
        ++Pushed;
        continue;
      }
      // The copies share their owned values with Source: take them out unreleased.
      for (; Pushed > 0; --Pushed) Detach(0, PopInt());
      return false;
    }
    for (; Pushed > 0; --Pushed) PopInt();
    Source->DetachAll();
    return true;
  }
  if (OnProgressStart) OnProgressStart(Source->FRecordCount);
  int32_t Moved = 0;
  for (int32_t i = 0; i < Source->FRecordCount; ++i) {
    if (OnProgressStep) OnProgressStep();
    if (Add(Source->RecordAt(0, i), Placement)) {
      ++Moved;
      PushInt(i);
    }
  }
  if (OnProgressStart) OnProgressStart(Moved);
  for (int32_t k = 0; k < Moved; ++k) {
    if (OnProgressStep) OnProgressStep();
    Source->Detach(0, PopIntShrink(false));
  }
  PushInt(0);
  PopIntShrink(true);
  return true;
}
