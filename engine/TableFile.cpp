#include "engine/TableFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <typeinfo>

#include "engine/ByteCoding.h"
#include "engine/ByteStream.h"
#include "engine/RecordTable.h"

namespace TableFile {

TBlockLayout TBlockLayout::Of(const TRecordTable& T, bool Packed) {
  TBlockLayout L;
  for (int i = 0; i < T.FieldCount(); ++i) {
    const TFieldDesc& F = T.Field(i);
    bool Ref = F.Code >= fcText;
    if (!Ref) {
      if (F.Size == 0) continue;  // a damaged header may declare one; nothing to copy
      if (!L.Runs.empty() && L.Runs.back().File + L.Runs.back().Len == L.FileSize &&
          L.Runs.back().Mem + L.Runs.back().Len == F.Offset)
        L.Runs.back().Len += F.Size;
      else
        L.Runs.push_back({L.FileSize, F.Offset, F.Size});
      L.FileSize += F.Size;
      continue;
    }
    L.RefOffsets.push_back(F.Offset);
    bool Owned = F.Code == fcText || F.Code == fcTable || F.Code == fcCText;
    if (!(Packed && Owned)) L.FileSize += SlotSize;
  }
  return L;
}

uint16_t WidthClass(const std::vector<int32_t>& Values) {
  if (Values.empty()) return 0;
  int32_t Largest = 0;
  for (int32_t V : Values) {
    if (V < 0 || V > 16777215) return 0;
    Largest = std::max(Largest, V);
  }
  return Largest <= 255 ? 1 : Largest <= 65535 ? 2 : 3;
}

}  // namespace TableFile

using namespace TableFile;

namespace {

// Reads a stream through a buffer when the stream can be positioned (the
// unread rest is given back at the end), else byte-exact straight from it.
class TInput {
public:
  explicit TInput(TByteStream& S) : FStream(S) {
    FStart = S.Position();
    FSize = FStart >= 0 ? S.Size() : -1;
    FBuffered = FStart >= 0 && FSize >= 0;
    if (FBuffered) FBuf.resize(1 << 16);
  }

  bool Read(void* Out, size_t N) {
    if (!FBuffered) return FStream.Read(Out, N) == N;
    if (FEnd - FPos >= N) {  // the common case: all of it in the buffer
      if (N) std::memcpy(Out, FBuf.data() + FPos, N);
      FPos += N;
      return true;
    }
    auto* Dst = static_cast<uint8_t*>(Out);
    while (N) {
      if (FPos == FEnd) {
        if (N >= FBuf.size()) {  // large transfers bypass the buffer
          FStart += static_cast<int64_t>(FEnd);
          FPos = FEnd = 0;
          size_t Got = FStream.Read(Dst, N);
          FStart += static_cast<int64_t>(Got);
          return Got == N;
        }
        if (!Fill()) return false;
      }
      size_t Take = std::min(N, FEnd - FPos);
      std::memcpy(Dst, FBuf.data() + FPos, Take);
      FPos += Take;
      Dst += Take;
      N -= Take;
    }
    return true;
  }

  template <typename T>
  bool Get(T& V) {
    if (FBuffered && FEnd - FPos >= sizeof V) {  // a copy of known size: no call
      std::memcpy(&V, FBuf.data() + FPos, sizeof V);
      FPos += sizeof V;
      return true;
    }
    return Read(&V, sizeof V);
  }

  bool Skip(size_t N) {
    if (FBuffered && FEnd - FPos >= N) {
      FPos += N;
      return true;
    }
    uint8_t Tmp[256];
    while (N) {
      size_t Take = std::min(N, sizeof Tmp);
      if (!Read(Tmp, Take)) return false;
      N -= Take;
    }
    return true;
  }

  int64_t Tell() const { return FBuffered ? FStart + static_cast<int64_t>(FPos) : FStream.Position(); }

  // Bytes left in the stream, or -1 when it cannot tell.
  int64_t Left() const {
    if (FBuffered) return FSize - Tell();
    int64_t P = FStream.Position(), S = FStream.Size();
    return P >= 0 && S >= 0 ? S - P : -1;
  }

  bool SeekTo(int64_t Pos) {
    if (!FBuffered) return FStream.Seek(Pos);
    if (Pos >= FStart && Pos <= FStart + static_cast<int64_t>(FEnd)) {
      FPos = static_cast<size_t>(Pos - FStart);
      return true;
    }
    if (!FStream.Seek(Pos)) return false;
    FStart = Pos;
    FPos = FEnd = 0;
    return true;
  }

  // Leaves the stream right after the last byte consumed.
  bool Finish() { return !FBuffered || FStream.Seek(Tell()); }

private:
  bool Fill() {
    FStart += static_cast<int64_t>(FEnd);
    FPos = 0;
    FEnd = FStream.Read(FBuf.data(), FBuf.size());
    return FEnd > 0;
  }

  TByteStream& FStream;
  bool FBuffered;
  std::vector<uint8_t> FBuf;
  size_t FPos = 0, FEnd = 0;
  int64_t FStart;  // stream position of FBuf[0]
  int64_t FSize;
};

// Collects writes in a buffer; any short write marks the output failed.
class TOutput {
public:
  explicit TOutput(TByteStream& S) : FStream(S), FBuf(1 << 16) {}
  void Put(const void* P, size_t N) {
    if (FUsed + N > FBuf.size()) {
      Flush();
      if (N >= FBuf.size()) {
        FOk = FOk && FStream.Write(P, N) == N;
        return;
      }
    }
    if (N) std::memcpy(FBuf.data() + FUsed, P, N);
    FUsed += N;
  }
  template <typename T>
  void PutValue(T V) {
    if (FUsed + sizeof V > FBuf.size()) Flush();
    std::memcpy(FBuf.data() + FUsed, &V, sizeof V);  // of known size: no call
    FUsed += sizeof V;
  }
  void PutText(const std::string& S) {
    PutValue(static_cast<uint8_t>(S.size()));
    Put(S.data(), S.size());
  }
  bool Flush() {
    if (FUsed) FOk = FOk && FStream.Write(FBuf.data(), FUsed) == FUsed;
    FUsed = 0;
    return FOk;
  }

private:
  TByteStream& FStream;
  std::vector<uint8_t> FBuf;
  size_t FUsed = 0;
  bool FOk = true;
};

}  // namespace

// ---------------------------------------------------------------------------
// Writer

class TTableWriter {
public:
  static void Write(TOutput& Out, TRecordTable& T) {
    Out.Put(Magic, sizeof Magic);
    Out.PutValue(WrittenVersion);
    Out.PutText(T.FStructureDef);
    Out.PutText(T.FIndexDef);
    Out.PutValue<int32_t>(T.FCapacity);
    Out.Put(Created, 7);
    Out.PutValue<int32_t>(T.FGrowthStep);
    Out.Put(By, 2);
    Out.PutValue<int32_t>(T.FRecordCount);
    Out.Put(Signature, 16);
    Out.PutValue<uint32_t>(T.Flags);

    const TBlockLayout Layout = TBlockLayout::Of(T, T.Flags & tfPacked);
    std::vector<uint8_t> Block(Layout.FileSize);
    if (T.OnProgressStart) T.OnProgressStart(T.FRecordCount);
    const TPositionIndex& Order = *T.FIndexes[0].Records;
    if (T.Flags & tfWidthSurvey) {
      for (TFieldDesc& F : T.FFields) {
        if (F.Code != fcLongInt) continue;
        std::vector<int32_t> Values;
        Order.ForEach([&](const uint8_t* R) { Values.push_back(LongIntAt(R, F.Offset)); });
        F.WidthClass = WidthClass(Values);
        Out.PutValue<uint16_t>(F.WidthClass);
      }
    }
    Order.ForEach([&](const uint8_t* R) {
      if (T.OnProgressStep) T.OnProgressStep();
      for (const TBlockLayout::TRun& Run : Layout.Runs) std::memcpy(Block.data() + Run.File, R + Run.Mem, Run.Len);
      Out.Put(Block.data(), Block.size());
      for (const TOwnedField& O : T.FOwned) WriteOwned(Out, O.Code, RefAt(R, O.Offset));
    });
    Out.PutValue(Terminator);
  }

private:
  static void WriteOwned(TOutput& Out, uint8_t Code, void* V) {
    if (Code == fcText) {
      auto* Text = static_cast<const uint8_t*>(V);
      uint8_t Len = Text ? Text[0] : 0;
      Out.PutValue(Len);
      if (Len) Out.Put(Text + 1, Len);
    } else if (Code == fcTable) {
      auto* Nested = static_cast<TRecordTable*>(V);
      if (!Nested) {
        Out.PutValue<uint16_t>(NoTable);
      } else if (typeid(*Nested) != typeid(TRecordTable)) {
        Out.PutValue<uint16_t>(ForeignObject);
      } else {
        Out.PutValue<uint16_t>(TableFollows);
        Write(Out, *Nested);
      }
    } else {
      auto* Text = static_cast<const char*>(V);
      size_t Len = Text ? std::strlen(Text) : 0;
      Out.PutValue<int32_t>(static_cast<int32_t>(Len));
      Out.Put(Text, Len);
    }
  }
};

bool TRecordTable::Save(TByteStream& S) {
  TOutput Out(S);
  TTableWriter::Write(Out, *this);
  bool Ok = Out.Flush();
  return S.Flush() && Ok;
}

// ---------------------------------------------------------------------------
// Reader

class TTableReader {
public:
  // With Scan set, records are handed to it instead of being kept.
  struct TScan {
    const TRecordTable::TVisitProc& Visit;
    bool& Filable;
  };

  static std::unique_ptr<TRecordTable> Read(TInput& In, const TProgressStepProc& Step,
                                            const TProgressStartProc& Start, int32_t Limit, int Depth,
                                            const TScan* Scan = nullptr) {
    // Header up to the definitions.
    int64_t Mark = In.Tell();
    uint8_t Head[5];
    if (!In.Read(Head, 5)) return nullptr;
    uint8_t Version = Head[4];
    if (std::memcmp(Head, Magic, 4) != 0 && Version != 4) {
      Version = 0;
      if (Mark < 0 || !In.SeekTo(Mark)) return nullptr;
    }
    std::string Defs[2];
    for (std::string& D : Defs) {
      uint8_t Len;
      if (!In.Get(Len)) return nullptr;
      D.resize(Len);
      if (!In.Read(D.data(), Len)) return nullptr;
    }
    int32_t Capacity, GrowthStep, RecordCount;
    if (!ReadCount(In, Version, Capacity)) return nullptr;
    if (Version != 0 && !Expect(In, Created, 7)) return nullptr;
    if (!ReadCount(In, Version, GrowthStep)) return nullptr;
    if (Version != 0 && !Expect(In, By, 2)) return nullptr;

    std::unique_ptr<TRecordTable> T(new TRecordTable());
    uint16_t Status;
    if (!T->Init(Defs[0], Defs[1], Capacity, GrowthStep, Status)) return nullptr;
    T->OnProgressStart = Start;

    std::vector<uint8_t*> Blocks;
    bool Ok = ReadCount(In, Version, RecordCount) && !(Limit >= 0 && Limit < RecordCount) &&
              (Version == 0 || Expect(In, Signature, 16));
    if (Ok && Version >= 4) Ok = In.Get(T->Flags);
    if (Ok && (T->Flags & tfWidthSurvey)) {
      for (const TFieldDesc& F : T->FFields)
        if (Ok && F.Code == fcLongInt) Ok = In.Skip(2);
    }
    if (Ok)
      Ok = Scan ? VisitRecords(In, *T, std::max(RecordCount, 0), Depth, *Scan)
                : ReadRecords(In, *T, Step, std::max(RecordCount, 0), Depth, Blocks);
    if (Ok) Ok = T->AdoptInOrder(Blocks, true) == static_cast<int32_t>(Blocks.size());
    uint8_t End;
    if (Ok) Ok = In.Get(End);
    if (!Ok) {
      // As if the records filed so far were cleared by destroying the table.
      bool Filed = T->FRecordCount > 0;
      if (T->OnProgressStart) T->OnProgressStart(Filed ? T->FRecordCount : T->AdoptInOrder(Blocks, false));
      T->OnProgressStart = nullptr;
      if (!Filed)
        for (uint8_t* B : Blocks) DropBlock(*T, B);
      return nullptr;
    }
    T->OnProgressStep = Step;
    return T;
  }

private:
  static bool ReadCount(TInput& In, uint8_t Version, int32_t& V) {
    if (Version >= 3) return In.Get(V);
    uint16_t Short;
    if (!In.Get(Short)) return false;
    V = Short;
    return true;
  }

  static bool Expect(TInput& In, const char* Text, size_t N) {
    char Got[16];
    return In.Read(Got, N) && std::memcmp(Got, Text, N) == 0;
  }

  static void DropBlock(TRecordTable& T, uint8_t* B) {
    T.ReleaseOwnedValues(B);
    T.FreeRecordBlock(B);
  }

  // Records that take no bytes on file cost memory without any evidence in
  // the file; a corrupt count must not turn that into gigabytes.
  static bool Plausible(const TBlockLayout& Layout, const TRecordTable& T, int32_t Count) {
    return !(Layout.FileSize == 0 && T.FOwned.empty() && Count > (1 << 16));
  }

  // The fixed fields of the next record into Rec, its references null.
  static bool ReadFixed(TInput& In, const TBlockLayout& Layout, std::vector<uint8_t>& FileBlock, uint8_t* Rec) {
    if (!In.Read(FileBlock.data(), FileBlock.size())) return false;
    for (const TBlockLayout::TRun& Run : Layout.Runs) std::memcpy(Rec + Run.Mem, FileBlock.data() + Run.File, Run.Len);
    for (uint16_t Off : Layout.RefOffsets) SetRefAt(Rec, Off, nullptr);
    return true;
  }

  static bool ReadRecords(TInput& In, TRecordTable& T, const TProgressStepProc& Step, int32_t Count, int Depth,
                          std::vector<uint8_t*>& Blocks) {
    const TBlockLayout Layout = TBlockLayout::Of(T, T.Flags & tfPacked);
    if (!Plausible(Layout, T, Count)) return false;
    int64_t Left = In.Left();
    if (Left >= 0) Blocks.reserve(static_cast<size_t>(std::min<int64_t>(Count, Left / std::max<uint32_t>(Layout.FileSize, 1))));
    std::vector<uint8_t> FileBlock(Layout.FileSize);
    if (T.OnProgressStart) T.OnProgressStart(Count);
    for (int32_t i = 0; i < Count; ++i) {
      if (Step) Step();
      uint8_t* B = T.NewRecordBlock();
      if (!B) return false;
      if (!ReadFixed(In, Layout, FileBlock, B)) {
        T.FreeRecordBlock(B);
        return false;
      }
      for (const TOwnedField& O : T.FOwned) {
        if (!ReadOwned(In, O.Code, B + O.Offset, Depth)) {
          DropBlock(T, B);
          return false;
        }
      }
      Blocks.push_back(B);
    }
    return true;
  }

  // The records of a scan, one at a time: two scratch records, this one and
  // the one before, so that each unique index can be seen to rise strictly
  // (then filing them all would be refused nowhere). Owned values that no
  // unique key is made of are stepped over without being made.
  static bool VisitRecords(TInput& In, TRecordTable& T, int32_t Count, int Depth, const TScan& Scan) {
    const TBlockLayout Layout = TBlockLayout::Of(T, T.Flags & tfPacked);
    if (!Plausible(Layout, T, Count)) return false;
    if (Count > MaxRecordCount) Scan.Filable = false;
    std::vector<int32_t> Unique;
    std::vector<bool> Keep(T.FOwned.size(), false);
    for (int32_t x = 0; x < T.IndexCount(); ++x) {
      if (!(T.FIndexes[x].Flags & ixUnique)) continue;
      Unique.push_back(x);
      for (int32_t k = 0; k < T.FIndexes[x].ActiveParts; ++k)
        for (size_t o = 0; o < T.FOwned.size(); ++o)
          if (T.FOwned[o].Offset == T.FIndexes[x].KeyParts[k].Offset) Keep[o] = true;
    }
    std::vector<uint8_t> FileBlock(Layout.FileSize);
    std::vector<uint8_t> Scratch[2] = {std::vector<uint8_t>(T.FRecordSize + 1u), std::vector<uint8_t>(T.FRecordSize + 1u)};
    // Key texts of each scratch record live in buffers of the scan, not on the heap.
    std::vector<std::array<uint8_t, 256>> Texts(2 * T.FOwned.size());
    bool Made = false;  // whether any value of a record is on the heap
    for (size_t o = 0; o < T.FOwned.size(); ++o) Made = Made || (Keep[o] && T.FOwned[o].Code != fcText);
    auto Release = [&](uint8_t* Rec) {
      if (!Made) return;
      for (size_t o = 0; o < T.FOwned.size(); ++o)
        if (Keep[o] && T.FOwned[o].Code == fcText) SetRefAt(Rec, T.FOwned[o].Offset, nullptr);
      T.ReleaseOwnedValues(Rec);
    };
    int Side = 1;  // Scratch[Side] is the record being read
    bool HavePrev = false, Ok = true;
    for (int32_t i = 0; i < Count && Ok; ++i) {
      uint8_t* Cur = Scratch[Side].data();
      const uint8_t* Prev = Scratch[1 - Side].data();
      if (!ReadFixed(In, Layout, FileBlock, Cur)) {
        Ok = false;
        break;
      }
      for (size_t o = 0; o < T.FOwned.size() && Ok; ++o) {
        const TOwnedField& O = T.FOwned[o];
        if (Keep[o] && O.Code == fcText) {
          uint8_t* Text = Texts[static_cast<size_t>(Side) * T.FOwned.size() + o].data();
          Ok = In.Get(Text[0]) && In.Read(Text + 1, Text[0]);
          if (Ok) SetRefAt(Cur, O.Offset, Text);
        } else {
          Ok = Keep[o] ? ReadOwned(In, O.Code, Cur + O.Offset, Depth) : SkipOwned(In, O.Code, Depth);
        }
      }
      if (Ok) {
        if (HavePrev)
          for (int32_t x : Unique)
            if (T.Compare(x, Cur, Prev) <= 0) Scan.Filable = false;
        Scan.Visit(Cur);
      }
      if (HavePrev) Release(Scratch[1 - Side].data());
      Side = 1 - Side;
      HavePrev = true;
    }
    if (HavePrev) Release(Scratch[1 - Side].data());
    return Ok;
  }

  // The length before a zero-terminated text: never negative, never past a known end.
  static bool CTextLength(TInput& In, int32_t& Len) {
    if (!In.Get(Len) || Len < 0) return false;
    const int64_t Left = In.Left();
    return !(Left >= 0 && Len > Left);
  }

  // An owned value read and dropped at once; texts are only stepped over.
  static bool SkipOwned(TInput& In, uint8_t Code, int Depth) {
    if (Code == fcText) {
      uint8_t Len;
      return In.Get(Len) && In.Skip(Len);
    }
    if (Code == fcCText) {
      int32_t Len;
      return CTextLength(In, Len) && In.Skip(static_cast<size_t>(Len));
    }
    uint8_t Slot[RefSize] = {};
    if (!ReadOwned(In, Code, Slot, Depth)) return false;
    delete static_cast<TRecordTable*>(RefAt(Slot, 0));
    return true;
  }

  static bool ReadOwned(TInput& In, uint8_t Code, uint8_t* Slot, int Depth) {
    if (Code == fcText) {
      uint8_t Text[256];
      if (!In.Get(Text[0]) || !In.Read(Text + 1, Text[0])) return false;
      PText Owned = NewText(Text);
      if (!Owned) return false;
      SetRefAt(Slot, 0, Owned);
      return true;
    }
    if (Code == fcTable) {
      uint16_t Marker;
      if (!In.Get(Marker)) return false;
      if (Marker == TableFollows && Depth < MaxNesting)
        SetRefAt(Slot, 0, Read(In, nullptr, nullptr, -1, Depth + 1).release());
      return true;
    }
    int32_t Len;
    if (!CTextLength(In, Len)) return false;
    const int64_t Left = In.Left();
    // With no known end the text grows as its bytes arrive, never ahead of them.
    char* Text = nullptr;
    size_t Have = 0;
    do {
      size_t Want = Left >= 0 ? static_cast<size_t>(Len) : std::min<size_t>(static_cast<size_t>(Len) - Have, 1 << 20);
      char* Grown = static_cast<char*>(std::realloc(Text, Have + Want + 1));
      if (!Grown || !In.Read(Grown + Have, Want)) {
        std::free(Grown ? Grown : Text);
        return false;
      }
      Text = Grown;
      Have += Want;
    } while (Have < static_cast<size_t>(Len));
    if (!Text && !(Text = static_cast<char*>(std::malloc(1)))) return false;
    Text[Have] = 0;
    SetRefAt(Slot, 0, Text);
    return true;
  }
};

std::unique_ptr<TRecordTable> TRecordTable::Load(TByteStream& S, TProgressStepProc Step, TProgressStartProc Start) {
  TInput In(S);
  auto T = TTableReader::Read(In, Step, Start, -1, 0);
  if (T && !In.Finish()) T.reset();
  return T;
}

std::unique_ptr<TRecordTable> TRecordTable::LoadQuiet(TByteStream& S) { return Load(S, nullptr, nullptr); }

std::unique_ptr<TRecordTable> TRecordTable::Scan(TByteStream& S, const TVisitProc& Visit, bool& Filable) {
  Filable = true;
  TInput In(S);
  const TTableReader::TScan Scan{Visit, Filable};
  auto T = TTableReader::Read(In, nullptr, nullptr, -1, 0, &Scan);
  if (T && !In.Finish()) T.reset();
  return T;
}

std::unique_ptr<TRecordTable> TRecordTable::LoadAtMost(TByteStream& S, int32_t MaxRecords) {
  TInput In(S);
  auto T = TTableReader::Read(In, nullptr, nullptr, MaxRecords, 0);
  if (T && !In.Finish()) T.reset();
  return T;
}
