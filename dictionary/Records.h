#pragma once
// Record access for the two tables of a dictionary file. Records are raw
// blocks read through field offsets, so every table read from a file is
// checked against the expected definitions before its records are touched.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/ByteCoding.h"
#include "engine/OwnedText.h"
#include "engine/RecordTable.h"
#include "platform/Prompt.h"

// Definitions of the parameters table: two texts, one index on the name.
inline constexpr std::string_view ParamStructureDef{"\x0C\x0C", 2};
inline constexpr std::string_view ParamIndexDef{"\xFF\x00", 2};
// Definitions of the question table: three texts, three 32-bit integers;
// index 0 unique on the question, index 1 on Status then RightInRow.
inline constexpr std::string_view QuestionStructureDef{"\x0C\x0C\x0C\x04\x04\x04", 6};
inline constexpr std::string_view QuestionIndexDef{"\xFC\x00\xFF\x03\x04", 5};

namespace rec {

// Fields follow each other without alignment: references take RefSize bytes.
constexpr size_t ParamRecordSize = 2 * RefSize;
constexpr size_t ParamOffset(int Field) { return static_cast<size_t>(Field) * RefSize; }

enum TQuestionField { qfQuestion, qfAnswer, qfComment, qfStatus, qfRightInRow, qfShowCount };
constexpr size_t QuestionRecordSize = 3 * RefSize + 3 * 4;
constexpr size_t QOffset(TQuestionField Field) {
  return Field < qfStatus ? static_cast<size_t>(Field) * RefSize : 3 * RefSize + static_cast<size_t>(Field - qfStatus) * 4;
}

inline std::string_view Q(const uint8_t* Rec, TQuestionField F) { return TextView(TextAt(Rec, QOffset(F))); }
inline int32_t QInt(const uint8_t* Rec, TQuestionField F) { return LongIntAt(Rec, QOffset(F)); }
inline void SetQInt(uint8_t* Rec, TQuestionField F, int32_t V) { SetLongIntAt(Rec, QOffset(F), V); }
// Stores a new owned text in a field, releasing the one it held.
inline void ReplaceText(uint8_t* Rec, size_t Offset, std::string_view S) {
  DisposeText(TextAt(Rec, Offset));
  SetRefAt(Rec, Offset, NewTextFrom(S));
}

inline void SetStatistics(uint8_t* R, int32_t Status, int32_t RightInRow, int32_t ShowCount) {
  SetQInt(R, qfStatus, Status);
  SetQInt(R, qfRightInRow, RightInRow);
  SetQInt(R, qfShowCount, ShowCount);
}

// A key block holding only a text in its first field (the name of a
// parameter, the question of a question record).
template <size_t Size>
struct TTextKey {
  explicit TTextKey(std::string_view Text);
  const uint8_t* Key() const { return FRec; }
  std::string FText;
  uint8_t FRec[Size]{};
};
using TNameKey = TTextKey<ParamRecordSize>;
using TQuestionKey = TTextKey<QuestionRecordSize>;

// Frees the owned texts of a record block that no table took over.
void DisposeTexts(uint8_t* Rec, std::initializer_list<size_t> Offsets);
void DisposeQuestionTexts(uint8_t* Rec);

bool HasParamStructure(const TRecordTable& Table);
bool HasQuestionStructure(const TRecordTable& Table);

}  // namespace rec

// The longest prefix of Text of at most MaxLen bytes that does not end inside
// a UTF-8 character.
std::string_view CutText(std::string_view Text, size_t MaxLen = 255);

// Text as a length-prefixed block (cut to 255 bytes), for search keys.
std::string MakeTextBytes(std::string_view Text);

// A message box of the dictionary.
void Show(const std::string& Text, TDialogKind Kind = dkPlain);
