#include "dictionary/ParametersBox.h"

#include "dictionary/Records.h"
#include "engine/ByteStream.h"
#include "engine/RecordTable.h"

using namespace rec;

namespace {

constexpr int NameField = 0;
constexpr int ValueField = 1;

TRecordTable* NewParamTable() { return TRecordTable::Create(ParamStructureDef, ParamIndexDef, 3, 3).release(); }

std::string_view NameAt(const uint8_t* Rec) { return TextView(TextAt(Rec, ParamOffset(NameField))); }

}  // namespace

TParametersBox::TParametersBox() : ParamTable(NewParamTable()) {}

TParametersBox::~TParametersBox() { ReleaseTable(ParamTable); }

void TParametersBox::Reset() {
  ReleaseTable(ParamTable);
  ParamTable = NewParamTable();
}

bool TParametersBox::ReadFrom(TByteStream& Stream, bool Limited) {
  ReleaseTable(ParamTable);
  TRecordTable* t =
      (Limited ? TRecordTable::LoadAtMost(Stream, LimitedEntries) : TRecordTable::LoadQuiet(Stream)).release();
  // Records are read through field offsets: a table of any other shape is no parameters block.
  if (t && !HasParamStructure(*t)) ReleaseTable(t);
  ParamTable = t ? t : NewParamTable();
  return t != nullptr;
}

bool TParametersBox::WriteTo(TByteStream& Stream) {
  ParamTable->SetPacked(true);
  return ParamTable->Save(Stream);
}

std::string TParametersBox::NormalizeName(std::string_view Name, size_t MaxLen) {
  size_t b = 0, e = Name.size();
  while (b < e && static_cast<uint8_t>(Name[b]) <= 32) ++b;
  while (e > b && static_cast<uint8_t>(Name[e - 1]) <= 32) --e;
  std::string n(Name.substr(b, e - b));
  for (char& c : n)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (n.size() > MaxLen) n.resize(MaxLen);
  return n;
}

std::string TParametersBox::ReadValue(std::string_view Name, std::string_view Default) const {
  TNameKey key(NormalizeName(Name));
  int32_t pos = 0;
  if (!ParamTable->Find(0, key.Key(), pos)) return std::string(Default);
  return TextString(TextAt(ParamTable->RecordAt(0, pos), ParamOffset(ValueField)));
}

bool TParametersBox::WriteValue(std::string_view Name, std::string_view Value) {
  const std::string name = NormalizeName(Name);
  TNameKey key(name);
  int32_t pos = 0;
  if (ParamTable->Find(0, key.Key(), pos)) ParamTable->Delete(0, pos);
  uint8_t record[ParamRecordSize]{};
  SetRefAt(record, ParamOffset(NameField), NewTextFrom(name));
  SetRefAt(record, ParamOffset(ValueField), NewTextFrom(CutText(Value)));
  if (ParamTable->Add(record, dpAny)) return true;
  DisposeTexts(record, {ParamOffset(NameField), ParamOffset(ValueField)});
  return false;
}

int32_t TParametersBox::ReadInteger(std::string_view Name, int32_t Default) const {
  std::string v = ReadValue(Name, {});
  if (v.size() != 4) return Default;
  return LoadAt<int32_t>(v.data(), 0);
}

bool TParametersBox::WriteInteger(std::string_view Name, int32_t Value) {
  char bytes[4];
  StoreAt<int32_t>(bytes, 0, Value);
  return WriteValue(Name, std::string_view(bytes, 4));
}

std::string TParametersBox::ReadText(std::string_view Name, std::string_view Default) const {
  const std::string base = NormalizeName(Name) + std::string(PieceSeparator);
  int32_t n = ReadInteger(base, -1);
  if (n < 0) return std::string(Default);
  std::string text;
  for (int32_t i = 1; i <= n; ++i) text += ReadValue(base + std::to_string(i), {});
  return text;
}

bool TParametersBox::WriteText(std::string_view Name, std::string_view Text) {
  // Only entries under NAME + PieceSeparator belong to the text: another
  // parameter whose name merely begins with NAME is left alone.
  const std::string base = NormalizeName(Name) + std::string(PieceSeparator);
  TNameKey key(base);
  int32_t p = 0;
  ParamTable->FindFirst(0, key.Key(), p);
  for (const uint8_t* r; (r = ParamTable->RecordAt(0, p)) && NameAt(r).substr(0, base.size()) == base;)
    ParamTable->Delete(0, p);
  bool ok = true;
  int32_t n = 0;
  for (size_t at = 0; at < Text.size(); at += 255) {
    ++n;
    ok = WriteValue(base + std::to_string(n), Text.substr(at, 255)) && ok;
  }
  return WriteInteger(base, n) && ok;
}

int32_t TParametersBox::EntryCount() const { return ParamTable->RecordCount(); }

void GetDictInfo(const TParametersBox* Box, TDictInfo& Info) {
  Info = TDictInfo{};
  if (!Box) return;
  Info.Description = Box->ReadText("DESCRIPTION", {});
  Info.Author = Box->ReadValue("AUTHOR", {});
  Info.Comment = Box->ReadText("COMMENT", {});
  Info.NTK = Box->ReadInteger("NTK", 3);
  Info.UTK = Box->ReadInteger("UTK", 3);
  Info.WordsCount = Box->ReadInteger("WORDSCOUNT", 0);
}
