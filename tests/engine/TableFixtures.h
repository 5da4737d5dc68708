#pragma once
// Small helpers shared by the engine tests: the two table shapes of the
// program, record building, and streams that fail on purpose.

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "engine/ByteCoding.h"
#include "engine/ByteStream.h"
#include "engine/RecordTable.h"

inline std::string Bytes(std::initializer_list<int> B) {
  std::string S;
  for (int b : B) S.push_back(static_cast<char>(b));
  return S;
}

// Three fcText (question, answer, comment), three fcLongInt (status, right in row, shows).
inline std::string DictStructure() { return Bytes({12, 12, 12, 4, 4, 4}); }
inline std::string DictIndexes() { return Bytes({252, 0, 255, 3, 4}); }
inline std::string ParamStructure() { return Bytes({12, 12}); }
inline std::string ParamIndexes() { return Bytes({255, 0}); }

inline std::unique_ptr<TRecordTable> MakeDict(int32_t Capacity = 10, int32_t GrowthStep = 10) {
  return TRecordTable::Create(DictStructure(), DictIndexes(), Capacity, GrowthStep);
}

// A record block of the dictionary shape; the texts are new owned texts.
struct TDictRec {
  std::vector<uint8_t> Bytes;
  TDictRec(const std::string& Q, int32_t Status = 0, int32_t Right = 0, const std::string& A = "a",
           const std::string& C = "") : Bytes(3 * RefSize + 12) {
    SetRefAt(Bytes.data(), 0, NewTextFrom(Q));
    SetRefAt(Bytes.data(), RefSize, NewTextFrom(A));
    SetRefAt(Bytes.data(), 2 * RefSize, NewTextFrom(C));
    SetLongIntAt(Bytes.data(), 3 * RefSize, Status);
    SetLongIntAt(Bytes.data(), 3 * RefSize + 4, Right);
    SetLongIntAt(Bytes.data(), 3 * RefSize + 8, 0);
  }
  const void* Data() const { return Bytes.data(); }
  // Releases the texts when the table refused the record.
  void Dispose() {
    for (int i = 0; i < 3; ++i) DisposeText(TextAt(Bytes.data(), i * RefSize));
  }
};

inline std::string QuestionOf(const uint8_t* Rec) { return TextString(TextAt(Rec, 0)); }
inline int32_t StatusOf(const uint8_t* Rec) { return LongIntAt(Rec, 3 * RefSize); }
inline int32_t RightOf(const uint8_t* Rec) { return LongIntAt(Rec, 3 * RefSize + 4); }

// Adds a dictionary record; false (texts released) when refused.
inline bool AddDict(TRecordTable& T, const std::string& Q, int32_t Status = 0, int32_t Right = 0,
                    TPlacement P = dpAny) {
  TDictRec R(Q, Status, Right);
  if (T.Add(R.Data(), P)) return true;
  R.Dispose();
  return false;
}

// Questions of index Index in position order.
inline std::vector<std::string> Questions(const TRecordTable& T, int32_t Index) {
  std::vector<std::string> Out;
  for (int32_t i = 0; i < T.RecordCount(); ++i) Out.push_back(QuestionOf(T.RecordAt(Index, i)));
  return Out;
}

// A memory stream whose writes stop after Budget bytes (a full disk).
class TShortWriteStream : public TMemoryStream {
public:
  explicit TShortWriteStream(size_t Budget) : FBudget(Budget) {}
  size_t Write(const void* Buffer, size_t N) override {
    size_t Take = std::min(N, FBudget);
    FBudget -= Take;
    return Take ? TMemoryStream::Write(Buffer, Take) : 0;
  }

private:
  size_t FBudget;
};

// A stream that cannot be positioned and does not know its size (a pipe).
class TPipeStream : public TByteStream {
public:
  explicit TPipeStream(std::vector<uint8_t> Bytes) : FInner(std::move(Bytes)) {}
  size_t Read(void* Buffer, size_t N) override { return FInner.Read(Buffer, N); }
  size_t Write(const void* Buffer, size_t N) override { return FInner.Write(Buffer, N); }
  int64_t Position() const override { return -1; }
  bool Seek(int64_t) override { return false; }
  int64_t Size() const override { return -1; }
  int64_t Consumed() const { return FInner.Position(); }

private:
  TMemoryStream FInner;
};
