#include "ui/OptionsSnapshot.h"

const char* ColorGroupName(int32_t Group) {
  static const char* const Names[ColorGroupCount] = {"Question",       "Answer",       "Active Answer",
                                                     "Correct Answer", "Wrong Answer", "Hint"};
  return Group >= 0 && Group < ColorGroupCount ? Names[Group] : "";
}

TPanelLooks LooksFromSettings(const TSettings& S) {
  TPanelLooks l;
  l[cgQuestion] = {S.CurQFont, S.CurQBGColor};
  l[cgAnswer] = {S.CurAFont, S.CurABGColor};
  l[cgActiveAnswer] = {S.CurAHLFont, S.CurAHLBGColor};
  l[cgCorrectAnswer] = {S.CurAHLFont, S.CurECABColor};
  l[cgCorrectAnswer].Font.Color = S.CurECAFColor;
  l[cgWrongAnswer] = {S.CurAIFont, S.CurEWABColor};
  l[cgHint] = {S.CurAHFont, S.CurEHABColor};
  return l;
}

void WriteLooks(const TPanelLooks& l, TSettings& S) {
  S.CurQFont = l[cgQuestion].Font;
  S.CurQBGColor = l[cgQuestion].Background;
  S.CurAFont = l[cgAnswer].Font;
  S.CurABGColor = l[cgAnswer].Background;
  S.CurAHLFont = l[cgActiveAnswer].Font;
  S.CurAHLBGColor = l[cgActiveAnswer].Background;
  S.CurECAFColor = l[cgCorrectAnswer].Font.Color;
  S.CurECABColor = l[cgCorrectAnswer].Background;
  S.CurAIFont = l[cgWrongAnswer].Font;
  S.CurAIBGColor = l[cgAnswer].Background;
  S.CurEWAFColor = l[cgWrongAnswer].Font.Color;
  S.CurEWABColor = l[cgWrongAnswer].Background;
  S.CurAHFont = l[cgHint].Font;
  S.CurAHBGColor = l[cgAnswer].Background;
  S.CurEHAFColor = l[cgHint].Font.Color;
  S.CurEHABColor = l[cgHint].Background;
}

TOptionsSnapshot SnapshotFromSettings(const TSettings& S) {
  TOptionsSnapshot s;
  s.IntervalPresent = S.IntervalPresent;
  s.IntervalMin = S.IntervalMin;
  s.IntervalSec = S.IntervalSec;
  s.IntervalQCount = S.IntervalQCount;
  s.CurAnswersCount = S.CurAnswersCount;
  s.MaxQCount = S.MaxQCount;
  s.MainMenuOff = S.MainMenuOff;
  s.StatusOff = S.StatusOff;
  s.Looks = LooksFromSettings(S);
  s.CorrectFontColor = S.CurECAFColor;
  s.SoundON = S.SoundON;
  for (int32_t i = 0; i < SoundCount; ++i) s.Sounds[i] = S.Sounds[i];
  s.Blinks = {S.EftCorrACount, S.EftIncorrACount, S.EftHelpACount};
  s.HotKeyEnabled = S.HotKeyEnabled;
  s.HotKeyModifiers = S.HotKeyModifiers;
  s.HotKeyVirtualKey = S.HotKeyVirtualKey;
  return s;
}

bool SameFont(const TFontRecord& A, const TFontRecord& B, bool WithColor) {
  return A.Charset == B.Charset && A.Height == B.Height && A.Name == B.Name && A.Size == B.Size &&
         A.Bold == B.Bold && A.Italic == B.Italic && A.Underline == B.Underline && A.StrikeOut == B.StrikeOut &&
         (!WithColor || A.Color == B.Color);
}

bool SameOptions(const TOptionsSnapshot& A, const TOptionsSnapshot& B) {
  if (A.IntervalPresent != B.IntervalPresent || A.IntervalMin != B.IntervalMin || A.IntervalSec != B.IntervalSec ||
      A.IntervalQCount != B.IntervalQCount || A.CurAnswersCount != B.CurAnswersCount ||
      A.MaxQCount != B.MaxQCount || A.MainMenuOff != B.MainMenuOff || A.StatusOff != B.StatusOff)
    return false;
  for (int32_t g = 0; g < ColorGroupCount; ++g) {
    if (!SameFont(A.Looks[g].Font, B.Looks[g].Font, g != cgCorrectAnswer)) return false;
    if (A.Looks[g].Background != B.Looks[g].Background) return false;
  }
  if (A.CorrectFontColor != B.CorrectFontColor || A.SoundON != B.SoundON) return false;
  for (int32_t i = 0; i < SoundCount; ++i)
    if (A.Sounds[i].Enabled != B.Sounds[i].Enabled || A.Sounds[i].FileName != B.Sounds[i].FileName) return false;
  return A.Blinks == B.Blinks && A.HotKeyEnabled == B.HotKeyEnabled && A.HotKeyModifiers == B.HotKeyModifiers &&
         A.HotKeyVirtualKey == B.HotKeyVirtualKey;
}

std::string HotKeyText(int32_t Modifiers, int32_t Key) {
  std::string t;
  if (Modifiers & HotKeyCtrl) t += "Ctrl+";
  if (Modifiers & HotKeyShift) t += "Shift+";
  if (Modifiers & HotKeyAlt) t += "Alt+";
  t += static_cast<char>(Key);
  return t;
}
