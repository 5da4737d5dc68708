#pragma once
// Fakes for the choosers of the option dialogs: each answers from what the
// test put in and counts its calls; they install themselves for their lifetime.

#include <QColor>
#include <QFont>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialog.h"
#include "platform/SoundPlayer.h"
#include "settings/FileDialogs.h"
#include "settings/Settings.h"
#include "settings/Sounds.h"
#include "ui/LookDialogs.h"

class TFakeFontDialog final : public TFontDialog {
 public:
  TFakeFontDialog() { SetFontDialog(this); }
  ~TFakeFontDialog() override { SetFontDialog(nullptr); }
  bool Execute(QWidget*, QFont& Font, QColor& Color) override {
    ++Calls;
    ShownFont = Font;
    ShownColor = Color;
    if (!Answer) return false;
    Font = Answer->first;
    Color = Answer->second;
    return true;
  }
  std::optional<std::pair<QFont, QColor>> Answer;
  QFont ShownFont;
  QColor ShownColor;
  int Calls = 0;
};

class TFakeColorDialog final : public TColorDialog {
 public:
  TFakeColorDialog() { SetColorDialog(this); }
  ~TFakeColorDialog() override { SetColorDialog(nullptr); }
  bool Execute(QWidget*, QColor& Color) override {
    ++Calls;
    ShownColor = Color;
    if (!Answer) return false;
    Color = *Answer;
    return true;
  }
  std::optional<QColor> Answer;
  QColor ShownColor;
  int Calls = 0;
};

// Chooses Answer, or nothing when it is empty.
class TFakeFileDialog final : public TFileDialog {
 public:
  bool Execute() override {
    ++Calls;
    SeenOptions = Options;
    SeenFilter = Filter;
    SeenTitle = Title;
    if (Answer.empty()) return false;
    FileName = Answer;
    return true;
  }
  std::string Answer;
  int Calls = 0;
  // What the last Execute was shown with.
  unsigned SeenOptions = 0;
  std::string SeenFilter;
  std::string SeenTitle;
};

// Records what would have played.
class TFakeSoundPlayer final : public TSoundPlayer {
 public:
  TFakeSoundPlayer() { SetSoundPlayer(this); }
  ~TFakeSoundPlayer() override { SetSoundPlayer(nullptr); }
  bool Play(const std::string& FileName, bool NoStop) override {
    Played.push_back(FileName);
    NoStops.push_back(NoStop);
    return true;
  }
  std::vector<std::string> Played;
  std::vector<bool> NoStops;
};

// Settings at their defaults below a made-up install folder.
inline void ResetSettings() {
  Settings = TSettings();
  Settings.InstallDir = "/opt/lexidrill/";
  Settings.StartUpDict.clear();
  SetDefaultSettings();
}
