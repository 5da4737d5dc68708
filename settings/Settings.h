#pragma once
// Every value the program keeps between runs, in one process-wide record.
// Fields bear the names under which they are stored ("MaxQCount" is
// Settings.MaxQCount). The record is filled once at start-up (LoadSettings),
// read and changed in memory by every window on the user-interface thread,
// and written back once at normal exit (SaveSettings).
//
// Storage: one string value per field, directly in the settings key.
// Integers are signed decimal text, booleans "0"/"1", strings as they are,
// fonts as FontToString gives them. A missing or malformed value takes its
// default without a message; a value out of range resets all resettable
// values (see LoadSettings).

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class TSettingsStore;

// 0x00BBGGRR (red in the low byte); 0x80000000 + n is system colour n.
using TColor = std::uint32_t;
constexpr TColor clWindowText = 0x80000008;

// A font as the settings keep it. The character set is kept and written back
// but not used on this platform.
struct TFontRecord {
  std::int32_t Charset = 1;  // the default character set
  TColor Color = clWindowText;
  std::int32_t Height = -13;  // negative: character height in pixels at 96 dpi
  std::string Name = "MS Sans Serif";
  std::int32_t Size = 10;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const TFontRecord&) const = default;
};

// One event sound; Settings.Sounds[i] is stored as "SndON_" + i and
// "SndFName_" + i. What each index means: settings/Sounds.h.
struct TLexidrillSound {
  bool Enabled = true;
  std::string FileName;

  bool operator==(const TLexidrillSound&) const = default;
};

constexpr int SoundCount = 15;

struct TSettings {
  bool IntervalPresent = true;
  std::int16_t IntervalMin = 3;
  std::int16_t IntervalSec = 0;
  std::int16_t IntervalQCount = 5;
  std::int16_t CurAnswersCount = 5;
  std::int16_t MaxQCount = 30;
  std::string StartUpDict;  // empty until loaded
  std::int32_t MainFormX = 65535;  // 65535: no stored position
  std::int32_t MainFormY = 65535;
  bool MainMenuOff = false;
  bool StatusOff = false;
  std::int16_t ExecCount = 0;  // normal ends so far; 0 means first run
  TFontRecord CurQFont;
  TFontRecord CurAFont;
  TFontRecord CurAIFont;
  TFontRecord CurAHFont;
  TFontRecord CurAHLFont;
  bool SoundON = true;
  std::array<TLexidrillSound, SoundCount> Sounds;
  std::int16_t EftCorrACount = 1;
  std::int16_t EftIncorrACount = 2;
  std::int16_t EftHelpACount = 3;
  std::int16_t EftCorrACountPlus = 2;
  std::int16_t CurSizeY = 2;  // index into SizeSteps
  std::int16_t CurSizeX = 341;
  bool HotKeyEnabled = true;
  std::int32_t HotKeyModifiers = 3;  // 1 Alt + 2 Ctrl + 4 Shift
  std::int32_t HotKeyVirtualKey = 90;  // 'A'..'Z' are 65..90
  TColor CurQBGColor = 0xF3CABC;
  TColor CurABGColor = 0xDCF1F8;
  TColor CurAHLBGColor = 0xF2AAC1;
  TColor CurAIBGColor = 0xDCF1F8;
  TColor CurAHBGColor = 0xDCF1F8;
  TColor CurECAFColor = 0x00FFFF;
  TColor CurECABColor = 0x15B50D;
  TColor CurEWAFColor = clWindowText;
  TColor CurEWABColor = 0x4259FD;
  TColor CurEHAFColor = 0xFF0000;
  TColor CurEHABColor = 0x8CFFFF;
  std::string ExportFName = "export.txt";
  bool ExportComment = false;
  bool ExportStat = false;
  bool ShowExportFile = false;
  std::string ImportFName = "import.txt";
  bool ImportComment = false;
  bool ImportStat = false;
  bool ImportReplace = false;
  std::uint8_t NextUnKnown = 3;
  bool NewQPanelMaximized = true;
  std::string ImportValue;
  std::string InstallDir;  // ends in '/' once start-up has run
  std::int32_t OptionsPage = 0;  // last page of the configuration dialog
  std::int32_t DictOptPage = 0;  // last page of the dictionary options dialog
  bool ExportBack = false;  // export answer first, question next

  TSettings();  // the defaults, with StartUpDict still empty
};

extern TSettings Settings;

// The install folder, ending in '/'; "Dicts/", "Sound/" and "lexidrill.hlp"
// lie below it.
inline const std::string& InstallDir() { return Settings.InstallDir; }

// Heights of the question panel and of one answer panel, by "CurSizeY".
struct TSizeStep {
  std::int16_t QuestionHeight;
  std::int16_t AnswerHeight;
};
constexpr std::array<TSizeStep, 9> SizeSteps = {{
    {18, 16}, {23, 20}, {28, 23}, {33, 26}, {38, 29}, {43, 32}, {48, 35}, {53, 38}, {58, 41}}};

// Puts every resettable value to its default. Not touched: MainFormX,
// MainFormY, ExecCount, NewQPanelMaximized, ImportValue, InstallDir, and
// StartUpDict unless it is empty.
void SetDefaultSettings();
void SetDefaultSettings(TSettings& S);

// Reads Settings from Store (InstallDir must be set already). Missing or
// malformed values take their defaults; when a count is out of range or one
// of the four checked fonts does not decode, every resettable value returns
// to its default. A dictionary named on the command line replaces
// StartUpDict.
void LoadSettings(TSettingsStore& Store);

// Counts this run in ExecCount (16-bit: 32767 + 1 is -32768) and writes
// every value except InstallDir. Returns false when the store could not be
// written; the settings in memory stay as they are.
bool SaveSettings(TSettingsStore& Store);

// Nine fields joined by the character with code 1: character set, colour,
// height, face name, point size, bold, italic, underline, strike-out.
std::string FontToString(const TFontRecord& Font);
inline std::string FontToString(const std::optional<TFontRecord>& Font) {
  return Font ? FontToString(*Font) : std::string();
}
// No font when Text does not decode (empty, a field missing, a number field
// that is not decimal).
std::optional<TFontRecord> StringToFont(const std::string& Text);
