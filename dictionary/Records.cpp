#include "dictionary/Records.h"

namespace rec {

template <size_t Size>
TTextKey<Size>::TTextKey(std::string_view Text) : FText(MakeTextBytes(Text)) {
  SetRefAt(FRec, 0, FText.data());
}
template struct TTextKey<ParamRecordSize>;
template struct TTextKey<QuestionRecordSize>;

void DisposeTexts(uint8_t* Rec, std::initializer_list<size_t> Offsets) {
  for (size_t off : Offsets) {
    DisposeText(TextAt(Rec, off));
    SetRefAt(Rec, off, nullptr);
  }
}

void DisposeQuestionTexts(uint8_t* Rec) { DisposeTexts(Rec, {QOffset(qfQuestion), QOffset(qfAnswer), QOffset(qfComment)}); }

bool HasParamStructure(const TRecordTable& Table) {
  return Table.StructureDef() == ParamStructureDef && Table.IndexDef() == ParamIndexDef;
}
bool HasQuestionStructure(const TRecordTable& Table) {
  return Table.StructureDef() == QuestionStructureDef && Table.IndexDef() == QuestionIndexDef;
}

}  // namespace rec

std::string_view CutText(std::string_view Text, size_t MaxLen) {
  if (Text.size() <= MaxLen) return Text;
  size_t cut = MaxLen;
  // Step back over continuation bytes, at most the three a character can have.
  for (int i = 0; i < 3 && cut > 0 && (static_cast<uint8_t>(Text[cut]) & 0xC0) == 0x80; ++i) --cut;
  if ((static_cast<uint8_t>(Text[cut]) & 0xC0) == 0x80) cut = MaxLen;  // not UTF-8: a plain cut
  return Text.substr(0, cut);
}

std::string MakeTextBytes(std::string_view Text) {
  Text = CutText(Text);
  std::string bytes(1, static_cast<char>(Text.size()));
  bytes += Text;
  return bytes;
}

void Show(const std::string& Text, TDialogKind Kind) { Prompt().Message(Text, Kind); }
