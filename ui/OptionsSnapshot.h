#pragma once
// What the configuration dialog edits, as one comparable record, and the rules
// that read the six colour groups from the settings and write them back.
// Fonts here are the settings' own records, so nothing is lost on the way
// through the dialog.

#include <array>
#include <cstdint>

#include "settings/Settings.h"

enum TColorGroup : int32_t {
  cgQuestion = 0,
  cgAnswer = 1,
  cgActiveAnswer = 2,
  cgCorrectAnswer = 3,
  cgWrongAnswer = 4,
  cgHint = 5
};
constexpr int32_t ColorGroupCount = 6;
// Groups 3, 4 and 5 have blink counts.
constexpr int32_t FirstBlinkGroup = cgCorrectAnswer;

const char* ColorGroupName(int32_t Group);
inline bool HasBlinks(int32_t Group) { return Group >= FirstBlinkGroup && Group < ColorGroupCount; }

// The look of one sample panel.
struct TPanelLook {
  TFontRecord Font;
  TColor Background = 0;
};
using TPanelLooks = std::array<TPanelLook, ColorGroupCount>;

TPanelLooks LooksFromSettings(const TSettings& S);
// Writes the looks by the colour-group rules. The Correct Answer font itself
// is not written (it is the Active Answer font); the Wrong and Hint groups
// take the Answer background for their answer panels.
void WriteLooks(const TPanelLooks& Looks, TSettings& S);

struct TOptionsSnapshot {
  bool IntervalPresent = false;
  int32_t IntervalMin = 0;
  int32_t IntervalSec = 0;
  int32_t IntervalQCount = 0;
  int32_t CurAnswersCount = 0;
  int32_t MaxQCount = 0;
  bool MainMenuOff = false;
  bool StatusOff = false;
  TPanelLooks Looks;
  TColor CorrectFontColor = 0;
  bool SoundON = false;
  std::array<TLexidrillSound, SoundCount> Sounds;
  std::array<int32_t, 3> Blinks{};
  bool HotKeyEnabled = false;
  int32_t HotKeyModifiers = 0;
  int32_t HotKeyVirtualKey = 0;
};

TOptionsSnapshot SnapshotFromSettings(const TSettings& S);
// Fonts compare by character set, height, face, size, styles and colour; the
// Correct Answer font without colour (its colour is a field of its own).
bool SameOptions(const TOptionsSnapshot& A, const TOptionsSnapshot& B);
bool SameFont(const TFontRecord& A, const TFontRecord& B, bool WithColor);

// Call-up key: modifier bits as the settings hold them.
constexpr int32_t HotKeyAlt = 1;
constexpr int32_t HotKeyCtrl = 2;
constexpr int32_t HotKeyShift = 4;
// Letters only; anything else is not a call-up key.
inline bool IsHotKeyLetter(int32_t Key) { return Key >= 'A' && Key <= 'Z'; }
// "Ctrl+Shift+Alt+K": the held modifiers in this order, then the letter.
std::string HotKeyText(int32_t Modifiers, int32_t Key);
