#pragma once
// The main window on a dictionary of 20 questions, with scripted tray, call-up
// key, pause timer, file dialog, prompt, sounds and dialogs: nothing modal is
// ever shown and every timer step is taken by the test.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "OptionsTestSupport.h"
#include "TrayFakes.h"
#include "dictionary/ExamTotals.h"
#include "dictionary/ProgressProcs.h"
#include "dictionary/SmartDict.h"
#include "settings/FileDialogs.h"
#include "tests/support/FakePrompt.h"
#include "ui/FormMain.h"
#include "ui/Panel.h"

class FormMainTest : public ::testing::Test {
 public:
  void SetUp() override {
    Dir = std::filesystem::path(testing::TempDir()) /
          ("lexidrill_fm_" + std::to_string(::getpid()) + "_" +
           testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(Dir);
    std::filesystem::create_directories(Dir);
    ResetSettings();
    Settings.InstallDir = Dir.string() + "/";
    Settings.ExecCount = 1;
    Settings.MaxQCount = 10;
    Settings.IntervalPresent = false;
    Settings.CurSizeX = 600;  // wide enough for the full status texts
    SetDefaultProgressProcs();
    ForgetRememberedFolders();
    DictFile = MakeDict("words.lxd", 20);
    Settings.StartUpDict = DictFile;
  }

  void TearDown() override {
    Window.reset();
    SetChooseDictionaryFile(nullptr);
    SetDefaultProgressProcs();
    std::filesystem::remove_all(Dir);
  }

  static std::string Q(int i) { return "q" + std::to_string(100 + i); }
  static std::string A(int i) { return "a" + std::to_string(100 + i); }

  // Count questions q100.. with answers a100.., or all with the answer Answer.
  std::string MakeDict(const std::string& Name, int Count, const std::string& Answer = "") {
    const std::string file = (Dir / Name).string();
    TPrompt* shown = prompt_detail::Current();
    {
      TFakePrompt quiet;
      TSmartDict d(file, true);
      for (int i = 0; i < Count; ++i) d.AddOrUpdateQuestion(Q(i), Answer.empty() ? A(i) : Answer, "");
      EXPECT_TRUE(d.SaveToFile(file, true));
    }
    SetPrompt(shown);
    return file;
  }

  // Shows recorded over the whole dictionary.
  static int ShowCounts(const TSmartDict& D) {
    int n = 0;
    TQuestionInfo info;
    for (int32_t i = 0; i < D.QuestionCount(); ++i)
      if (D.GetQuestionInfo(i, info)) n += info.ShowCount;
    return n;
  }

  TFormMain& Make() {
    TFormMainParts parts;
    auto tray = std::make_unique<TFakeTray>(TrayAvailable);
    auto key = std::make_unique<TFakeHotKey>();
    auto timer = std::make_unique<TFakePauseTimer>();
    auto files = std::make_unique<TFakeFileDialog>();
    Tray = tray.get();
    Key = key.get();
    Timer = timer.get();
    Files = files.get();
    if (!RealDesktop) {
      parts.Tray = std::move(tray);
      parts.HotKey = std::move(key);
    } else {
      Tray = nullptr;
      Key = nullptr;
    }
    parts.PauseTimer = std::move(timer);
    parts.OpenDialog = std::move(files);
    parts.Dialogs.ExamResults = [this](QWidget*, const TExamTotals& Totals) {
      Results.push_back(Totals);
      VisibleAtResults.push_back(Window->isVisible());
      if (DuringResults) DuringResults();
    };
    parts.Dialogs.About = [this](QWidget*) { ++Abouts; };
    parts.Dialogs.NewQuestion = [this](QWidget*, TSmartDict&) { ++Editors; };
    parts.Dialogs.Options = [this](QWidget*, TFileDialog&, TSmartDict*) {
      ++OptionRuns;
      if (DuringOptions) DuringOptions();
      return OptionsRestart;
    };
    parts.Dialogs.DictOpt = [this](QWidget*, TSmartDict&, TFileDialog&) { return false; };
    parts.Quit = [this] { ++Quits; };
    Window = std::make_unique<TFormMain>(std::move(parts));
    return *Window;
  }

  // Shown and active, so the keyboard focus and the window's keys work.
  TFormMain& MakeShown() {
    TFormMain& w = Make();
    w.ShowAtStart();
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    return w;
  }

  // Runs the blink effect to its end, step by step as the timer would.
  void FinishEffect() {
    for (int guard = 0; Window->Busy() && guard < 1000; ++guard) Window->TimerMakingEffectsTimer();
    ASSERT_FALSE(Window->Busy());
  }

  int Correct() const { return Window->Card().CorrectIndex; }
  int Wrong(int Nth = 0) const {
    for (int i = 0; i < Window->AnswerPanelCount(); ++i)
      if (i != Correct() && Nth-- == 0) return i;
    return -1;
  }
  void Click(int Variant) { QTest::mouseClick(Window->AnswerPanel(Variant), Qt::LeftButton); }
  void ClickQuestion() { QTest::mouseClick(Window->QuestionPanel(), Qt::LeftButton); }
  QString StatusText(int Panel) const { return Window->StatusPanel(Panel)->text(); }
  bool Shown() const { return Window->isVisible() && !Window->isMinimized(); }
  int Played(int Event) const {
    const std::string file = "lexidrillsnd" + std::to_string(Event) + ".wav";
    int n = 0;
    for (const auto& f : Sounds.Played)
      if (f.size() >= file.size() && f.compare(f.size() - file.size(), file.size(), file) == 0) ++n;
    return n;
  }

  std::filesystem::path Dir;
  std::string DictFile;
  TFakePrompt Prompts;
  TFakeSoundPlayer Sounds;
  bool TrayAvailable = true;
  bool RealDesktop = false;  // the system tray and the X11 call-up key instead of fakes
  TFakeTray* Tray = nullptr;
  TFakeHotKey* Key = nullptr;
  TFakePauseTimer* Timer = nullptr;
  TFakeFileDialog* Files = nullptr;
  std::vector<TExamTotals> Results;
  std::vector<bool> VisibleAtResults;
  std::function<void()> DuringResults, DuringOptions;
  bool OptionsRestart = false;
  int Abouts = 0, Editors = 0, OptionRuns = 0, Quits = 0;
  std::unique_ptr<TFormMain> Window;
};
