#include "settings/Settings.h"

#include <charconv>
#include <limits>

#include "platform/SettingsStore.h"
#include "settings/CommandLine.h"
#include "settings/Folders.h"

TSettings Settings;

namespace {

constexpr char FontFieldSeparator = '\x01';
constexpr std::size_t MaxFieldLength = 255;

// A signed decimal integer of 32 bits, nothing else (no blanks, no hex).
std::optional<std::int32_t> ParseDecimal(const std::string& Text) {
  const char* first = Text.data();
  const char* last = first + Text.size();
  if (first != last && *first == '+') ++first;
  if (first == last || *first == '+' || (*first == '-' && first != Text.data())) return std::nullopt;
  std::int32_t value = 0;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last) return std::nullopt;
  return value;
}

// Cut to at most Limit bytes, never inside a UTF-8 character.
std::string CutField(const std::string& Text) {
  if (Text.size() <= MaxFieldLength) return Text;
  std::size_t n = MaxFieldLength;
  while (n > 0 && (static_cast<unsigned char>(Text[n]) & 0xC0) == 0x80) --n;
  return Text.substr(0, n);
}

void SetDefaultFonts(TSettings& S) {
  const TFontRecord base;  // face "MS Sans Serif", default character set, window text, 10 points
  S.CurQFont = base;
  S.CurQFont.Bold = true;
  S.CurAFont = base;
  S.CurAIFont = base;
  S.CurAIFont.StrikeOut = true;
  S.CurAHFont = base;
  S.CurAHFont.Underline = true;
  S.CurAHLFont = base;
  S.CurAHLFont.Color = 0xFF0000;
}

class TReader {
 public:
  explicit TReader(TSettingsStore& Store) : Store(Store) {}

  std::int32_t Int(const std::string& Name, std::int32_t Default) {
    auto text = Store.ReadString(Name);
    if (!text) return Default;
    return ParseDecimal(*text).value_or(Default);
  }
  // Values are cut to the width of their field, as the stored number may be wider.
  void Read(const std::string& Name, std::int16_t& Field) { Field = static_cast<std::int16_t>(Int(Name, Field)); }
  void Read(const std::string& Name, std::int32_t& Field) { Field = Int(Name, Field); }
  void Read(const std::string& Name, std::uint8_t& Field) { Field = static_cast<std::uint8_t>(Int(Name, Field)); }
  void Read(const std::string& Name, std::uint32_t& Field) {
    Field = static_cast<std::uint32_t>(Int(Name, static_cast<std::int32_t>(Field)));
  }
  void Read(const std::string& Name, bool& Field) { Field = Int(Name, Field ? 1 : 0) != 0; }
  void Read(const std::string& Name, std::string& Field) { Field = Store.ReadString(Name).value_or(Field); }
  std::optional<TFontRecord> Font(const std::string& Name) { return StringToFont(Store.ReadString(Name).value_or("")); }

 private:
  TSettingsStore& Store;
};

class TWriter {
 public:
  explicit TWriter(TSettingsStore& Store) : Store(Store) {}
  void Write(const std::string& Name, std::int32_t Value) { Store.WriteString(Name, std::to_string(Value)); }
  void Write(const std::string& Name, std::uint32_t Value) { Write(Name, static_cast<std::int32_t>(Value)); }
  void Write(const std::string& Name, std::int16_t Value) { Write(Name, std::int32_t{Value}); }
  void Write(const std::string& Name, std::uint8_t Value) { Write(Name, std::int32_t{Value}); }
  void Write(const std::string& Name, bool Value) { Store.WriteString(Name, Value ? "1" : "0"); }
  void Write(const std::string& Name, const std::string& Value) { Store.WriteString(Name, Value); }
  void Write(const std::string& Name, const TFontRecord& Font) { Store.WriteString(Name, FontToString(Font)); }

 private:
  TSettingsStore& Store;
};

bool InRange(int Value, int Low, int High) { return Value >= Low && Value <= High; }

// Every scalar setting in stored order, handed to F as (name, field). The
// fonts, sounds and InstallDir are not in this list; Load and Save place them.
template <class S, class F>
void ScalarsBeforeFonts(S& s, F&& f) {
  f("IntervalPresent", s.IntervalPresent);
  f("IntervalMin", s.IntervalMin);
  f("IntervalSec", s.IntervalSec);
  f("IntervalQCount", s.IntervalQCount);
  f("CurAnswersCount", s.CurAnswersCount);
  f("MaxQCount", s.MaxQCount);
  f("StartUpDict", s.StartUpDict);
  f("MainFormX", s.MainFormX);
  f("MainFormY", s.MainFormY);
  f("MainMenuOff", s.MainMenuOff);
  f("StatusOff", s.StatusOff);
  f("ExecCount", s.ExecCount);
}

template <class S, class F>
void ScalarsAfterSounds(S& s, F&& f) {
  f("EftCorrACount", s.EftCorrACount);
  f("EftIncorrACount", s.EftIncorrACount);
  f("EftHelpACount", s.EftHelpACount);
  f("EftCorrACountPlus", s.EftCorrACountPlus);
  f("CurSizeY", s.CurSizeY);
  f("CurSizeX", s.CurSizeX);
  f("HotKeyEnabled", s.HotKeyEnabled);
  f("HotKeyModifiers", s.HotKeyModifiers);
  f("HotKeyVirtualKey", s.HotKeyVirtualKey);
  f("CurQBGColor", s.CurQBGColor);
  f("CurABGColor", s.CurABGColor);
  f("CurAHLBGColor", s.CurAHLBGColor);
  f("CurAIBGColor", s.CurAIBGColor);
  f("CurAHBGColor", s.CurAHBGColor);
  f("CurECAFColor", s.CurECAFColor);
  f("CurECABColor", s.CurECABColor);
  f("CurEWAFColor", s.CurEWAFColor);
  f("CurEWABColor", s.CurEWABColor);
  f("CurEHAFColor", s.CurEHAFColor);
  f("CurEHABColor", s.CurEHABColor);
  f("ExportFName", s.ExportFName);
  f("ExportComment", s.ExportComment);
  f("ExportStat", s.ExportStat);
  f("ShowExportFile", s.ShowExportFile);
  f("ImportFName", s.ImportFName);
  f("ImportComment", s.ImportComment);
  f("ImportStat", s.ImportStat);
  f("ImportReplace", s.ImportReplace);
  f("NextUnKnown", s.NextUnKnown);
  f("NewQPanelMaximized", s.NewQPanelMaximized);
  f("ImportValue", s.ImportValue);
  f("OptionsPage", s.OptionsPage);
  f("DictOptPage", s.DictOptPage);
  f("ExportBack", s.ExportBack);
}

template <class S, class F>
void Fonts(S& s, F&& f) {
  f("CurQFont", s.CurQFont);
  f("CurAFont", s.CurAFont);
  f("CurAIFont", s.CurAIFont);
  f("CurAHFont", s.CurAHFont);
  f("CurAHLFont", s.CurAHLFont);
}

std::string SoundOnName(int i) { return "SndON_" + std::to_string(i); }
std::string SoundFileName(int i) { return "SndFName_" + std::to_string(i); }
std::string BareSoundFile(int i) { return "lexidrillsnd" + std::to_string(i) + ".wav"; }

}  // namespace

TSettings::TSettings() {
  SetDefaultSettings(*this);
  StartUpDict.clear();  // takes its default from the install folder when loaded
}

void SetDefaultSettings(TSettings& S) {
  S.IntervalPresent = true;
  S.IntervalMin = 3;
  S.IntervalSec = 0;
  S.IntervalQCount = 5;
  S.CurAnswersCount = 5;
  S.MaxQCount = 30;
  if (S.StartUpDict.empty()) S.StartUpDict = S.InstallDir + "Dicts/lexidrill.lxd";
  S.MainMenuOff = false;
  S.StatusOff = false;
  SetDefaultFonts(S);
  S.SoundON = true;
  for (int i = 0; i < SoundCount; ++i) {
    S.Sounds[i].Enabled = i != 4;
    S.Sounds[i].FileName = S.InstallDir + "Sound/" + BareSoundFile(i);
  }
  S.EftCorrACount = 1;
  S.EftIncorrACount = 2;
  S.EftHelpACount = 3;
  S.EftCorrACountPlus = 2;
  S.CurSizeY = 2;
  S.CurSizeX = 341;
  S.HotKeyEnabled = true;
  S.HotKeyModifiers = 3;
  S.HotKeyVirtualKey = 90;
  S.CurQBGColor = 0xF3CABC;
  S.CurABGColor = 0xDCF1F8;
  S.CurAHLBGColor = 0xF2AAC1;
  S.CurAIBGColor = 0xDCF1F8;
  S.CurAHBGColor = 0xDCF1F8;
  S.CurECAFColor = 0x00FFFF;
  S.CurECABColor = 0x15B50D;
  S.CurEWAFColor = clWindowText;
  S.CurEWABColor = 0x4259FD;
  S.CurEHAFColor = 0xFF0000;
  S.CurEHABColor = 0x8CFFFF;
  S.ExportFName = "export.txt";
  S.ExportComment = false;
  S.ExportStat = false;
  S.ShowExportFile = false;
  S.ImportFName = "import.txt";
  S.ImportComment = false;
  S.ImportStat = false;
  S.ImportReplace = false;
  S.NextUnKnown = 3;
  S.OptionsPage = 0;
  S.DictOptPage = 0;
  S.ExportBack = false;
}

void SetDefaultSettings() { SetDefaultSettings(Settings); }

void LoadSettings(TSettingsStore& Store) {
  TSettings& S = Settings;
  // The folder gets its '/' before the defaults are built from it.
  if (!S.InstallDir.empty()) S.InstallDir = AddTrailingBackslash(S.InstallDir);
  SetDefaultSettings(S);
  // The defaults just set stand for missing values, apart from the window
  // position, the sound switches and the sound files, which have their own.
  S.MainFormX = 65535;
  S.MainFormY = 65535;
  TReader r(Store);
  ScalarsBeforeFonts(S, [&](const char* name, auto& field) { r.Read(name, field); });
  std::optional<TFontRecord> fonts[5];
  int k = 0;
  Fonts(S, [&](const char* name, TFontRecord&) { fonts[k++] = r.Font(name); });
  r.Read("SoundON", S.SoundON);
  for (int i = 0; i < SoundCount; ++i) {
    S.Sounds[i].Enabled = true;
    S.Sounds[i].FileName = BareSoundFile(i);
    r.Read(SoundOnName(i), S.Sounds[i].Enabled);
    r.Read(SoundFileName(i), S.Sounds[i].FileName);
  }
  ScalarsAfterSounds(S, [&](const char* name, auto& field) { r.Read(name, field); });

  const bool accepted = InRange(S.IntervalMin, 0, 99) && InRange(S.IntervalSec, 0, 99) &&
                        InRange(S.IntervalQCount, 1, 99) && InRange(S.CurAnswersCount, 3, 16) &&
                        InRange(S.MaxQCount, 10, 1000) && fonts[0] && fonts[1] && fonts[2] && fonts[3] &&
                        InRange(S.CurSizeY, 0, 8);
  if (accepted) {
    k = 0;
    // The highlight font is not checked; one that does not decode keeps its default.
    Fonts(S, [&](const char*, TFontRecord& field) {
      if (fonts[k]) field = *fonts[k];
      ++k;
    });
  } else {
    SetDefaultSettings(S);
  }
  if (!CommandLineDict().empty()) S.StartUpDict = CommandLineDict();
}

bool SaveSettings(TSettingsStore& Store) {
  TSettings& S = Settings;
  S.ExecCount = static_cast<std::int16_t>(S.ExecCount + 1);
  TWriter w(Store);
  auto write = [&](const char* name, const auto& field) { w.Write(name, field); };
  ScalarsBeforeFonts(S, write);
  Fonts(S, write);
  w.Write("SoundON", S.SoundON);
  for (int i = 0; i < SoundCount; ++i) {
    w.Write(SoundOnName(i), S.Sounds[i].Enabled);
    w.Write(SoundFileName(i), S.Sounds[i].FileName);
  }
  ScalarsAfterSounds(S, write);
  return Store.Flush();
}

std::string FontToString(const TFontRecord& Font) {
  const char sep = FontFieldSeparator;
  auto flag = [](bool b) { return b ? "1" : "0"; };
  std::string s = std::to_string(Font.Charset);
  s += sep + std::to_string(static_cast<std::int32_t>(Font.Color));
  s += sep + std::to_string(Font.Height);
  s += sep + Font.Name;
  s += sep + std::to_string(Font.Size);
  for (bool b : {Font.Bold, Font.Italic, Font.Underline, Font.StrikeOut}) (s += sep) += flag(b);
  return s;
}

std::optional<TFontRecord> StringToFont(const std::string& Text) {
  // Fields are taken from the back, so only the first field (the character
  // set) sees any separator left over.
  std::string fields[9];
  std::string rest = Text;
  for (int i = 8; i > 0; --i) {
    std::size_t p = rest.rfind(FontFieldSeparator);
    if (p == std::string::npos) return std::nullopt;
    fields[i] = CutField(rest.substr(p + 1));
    rest.erase(p);
  }
  fields[0] = CutField(rest);

  TFontRecord f;
  std::optional<std::int32_t> numbers[9];
  for (int i : {0, 1, 2, 4, 5, 6, 7, 8}) {
    numbers[i] = ParseDecimal(fields[i]);
    if (!numbers[i]) return std::nullopt;
  }
  f.Charset = *numbers[0];
  f.Color = static_cast<TColor>(*numbers[1]);
  f.Height = *numbers[2];
  f.Name = fields[3];
  f.Size = *numbers[4];
  f.Bold = *numbers[5] != 0;
  f.Italic = *numbers[6] != 0;
  f.Underline = *numbers[7] != 0;
  f.StrikeOut = *numbers[8] != 0;
  return f;
}
