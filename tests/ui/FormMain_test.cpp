#include "ui/FormMain.h"

#include <QFrame>
#include <QImage>
#include <QScreen>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <fstream>

#include "FormMainFixture.h"
#include "exam/SizeRule.h"
#include "settings/CommandLine.h"
#include "ui/HelpWindow.h"
#include "ui/LexidrillVisualLittle.h"
#include "ui/WinColors.h"

namespace {

TEST_F(FormMainTest, StartOpensTheDictionaryWithAFirstQuestion) {
  TFormMain& w = Make();
  ASSERT_NE(w.Dict(), nullptr);
  EXPECT_TRUE(w.Dict()->IsUsable());
  EXPECT_EQ(w.objectName(), "fmMain");
  EXPECT_EQ(w.windowTitle(), "Lexidrill");
  EXPECT_EQ(w.AnswerPanelCount(), 5);
  EXPECT_FALSE(w.Card().Question.empty());
  EXPECT_EQ(w.QuestionPanel()->text().toStdString(), w.Card().Question);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(w.AnswerPanel(i)->text().toStdString(), w.Card().Variants[i].Text);
  EXPECT_EQ(w.Card().Variants[static_cast<size_t>(Correct())].Text[0], 'a');
  EXPECT_EQ(Played(seHello), 1);
  EXPECT_EQ(Tray->Adds, 1);
  EXPECT_EQ(Tray->Tip, "Lexidrill. Question 1 of 10");
  ASSERT_FALSE(Key->Calls.empty());
  EXPECT_EQ(Key->Calls.back(), "register 3 90");
  EXPECT_EQ(Abouts, 0);
}

TEST_F(FormMainTest, ExaminationOfTenByClicksAndKeysCountsAndEndsWithTheResults) {
  TFormMain& w = MakeShown();
  // 1: two wrong variants, then the right one, all by mouse.
  Click(Wrong(0));
  FinishEffect();
  Click(Wrong(1));
  FinishEffect();
  EXPECT_EQ(StatusText(0), "Attempts 2");
  EXPECT_EQ(StatusText(2), "Left 10");
  Click(Correct());
  FinishEffect();
  EXPECT_EQ(StatusText(0), "Attempts 3");
  EXPECT_EQ(StatusText(1), "Questions 2");
  EXPECT_EQ(StatusText(2), "Left 9");
  // 2: a hint on pQ ends the question without a right answer.
  ClickQuestion();
  EXPECT_EQ(StatusText(3), "Hints 1");
  FinishEffect();
  EXPECT_EQ(StatusText(1), "Questions 3");
  EXPECT_EQ(StatusText(2), "Left 9");
  EXPECT_EQ(StatusText(0), "Attempts 3");
  // 3..10: Space and Enter on the focused panel.
  for (int q = 3; q <= 10; ++q) {
    SCOPED_TRACE(q);
    w.AnswerPanel(Correct())->setFocus();
    ASSERT_TRUE(w.AnswerPanel(Correct())->hasFocus());
    QTest::keyClick(&w, q % 2 ? Qt::Key_Space : Qt::Key_Return);
    ASSERT_TRUE(w.Busy());
    EXPECT_TRUE(Results.empty());
    FinishEffect();
  }
  ASSERT_EQ(Results.size(), 1u);
  EXPECT_EQ(Results[0].Count, 10);
  EXPECT_EQ(Results[0].Right, 9);  // the first question too: its right variant was tried
  EXPECT_EQ(Results[0].Hints, 1);
  EXPECT_EQ(Results[0].Wrong, 2);
  // A new examination began at once.
  EXPECT_EQ(StatusText(0), "Attempts 0");
  EXPECT_EQ(StatusText(1), "Questions 1");
  EXPECT_EQ(StatusText(2), "Left 10");
  EXPECT_EQ(StatusText(3), "Hints 0");
  EXPECT_EQ(Played(seRightAnswer), 9);
  EXPECT_EQ(Played(seWrongAnswer), 2);
  EXPECT_EQ(Played(seHint), 1);
}

TEST_F(FormMainTest, AWrongPanelIsDisabledKeepsItsLookAndPassesTheFocusOn) {
  Settings.CurAIBGColor = 0x0000FF;        // red
  Settings.CurAIFont.Color = 0xFF0000;     // blue
  Settings.CurAHLBGColor = 0x00FF00;       // green
  TFormMain& w = MakeShown();
  const int n = w.AnswerPanelCount();
  // The last variant when it is wrong: the focus wraps to the first one.
  const int wrong = Correct() == n - 1 ? n - 2 : n - 1;
  TPanel* p = w.AnswerPanel(wrong);
  p->setFocus();
  Click(wrong);
  EXPECT_FALSE(p->isEnabled());
  EXPECT_EQ(p->OuterBevel(), TPanel::obLowered);
  const int expected = wrong == n - 1 ? 0 : n - 1;
  EXPECT_TRUE(w.AnswerPanel(expected)->hasFocus());
  FinishEffect();
  EXPECT_EQ(p->Background(), WinColor(Settings.CurAIBGColor));
  // Mouse and focus passing over it change nothing, and a second click counts nothing.
  QTest::mouseMove(p);
  w.AnswerPanel(expected)->clearFocus();
  Click(wrong);
  EXPECT_FALSE(w.Busy());
  EXPECT_EQ(w.Counters().Attempts, 1);
  EXPECT_EQ(p->Background(), WinColor(Settings.CurAIBGColor));
  // Drawn as it is, not greyed: red background and blue text.
  const QImage image = p->grab().toImage();
  EXPECT_EQ(image.pixelColor(4, image.height() / 2), QColor(255, 0, 0));
  int bluest = 0;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y) {
      const QColor c = image.pixelColor(x, y);
      if (c.green() < 40) bluest = std::max(bluest, c.blue());
    }
  EXPECT_GT(bluest, 200);
}

TEST_F(FormMainTest, AFocusedVariantIsHighlightedWithTheSelectionSound) {
  Settings.Sounds[seAnswerSelection].Enabled = true;
  TFormMain& w = MakeShown();
  TPanel* a = w.AnswerPanel(1);
  TPanel* b = w.AnswerPanel(2);
  const int before = Played(seAnswerSelection);
  QTest::mouseMove(a);  // the mouse gives the focus
  ASSERT_TRUE(a->hasFocus());
  EXPECT_EQ(a->Background(), WinColor(Settings.CurAHLBGColor));
  EXPECT_EQ(Played(seAnswerSelection), before + 1);
  EXPECT_TRUE(Sounds.NoStops.back());
  b->setFocus();
  EXPECT_EQ(a->Background(), WinColor(Settings.CurABGColor));
  EXPECT_EQ(b->Background(), WinColor(Settings.CurAHLBGColor));
  // While a blink runs the focus moves without either.
  ClickQuestion();
  const int during = Played(seAnswerSelection);
  a->setFocus();
  EXPECT_EQ(Played(seAnswerSelection), during);
  EXPECT_NE(a->Background(), WinColor(Settings.CurAHLBGColor));
}

TEST_F(FormMainTest, ChoicesAndHintsDuringAnEffectAreDropped) {
  Settings.EftIncorrACount = 2;
  TFormMain& w = MakeShown();
  Click(Wrong(0));
  ASSERT_TRUE(w.Busy());
  EXPECT_EQ(w.EffectSteps(), 3);  // four steps, the first one taken at once
  EXPECT_EQ(w.QuestionPanel()->Background(), WinColor(Settings.CurEWABColor));
  Click(Correct());
  Click(Wrong(1));
  ClickQuestion();
  EXPECT_EQ(w.Counters().Attempts, 1);
  EXPECT_EQ(w.Counters().Hints, 0);
  EXPECT_EQ(w.Counters().Left, 10);
  w.TimerMakingEffectsTimer();  // off
  EXPECT_EQ(w.QuestionPanel()->Background(), WinColor(Settings.CurQBGColor));
  w.TimerMakingEffectsTimer();  // on
  w.TimerMakingEffectsTimer();  // off
  EXPECT_TRUE(w.Busy());
  w.TimerMakingEffectsTimer();  // finished
  EXPECT_FALSE(w.Busy());
  EXPECT_EQ(w.Counters().Questions, 1);
  Click(Correct());
  EXPECT_EQ(w.Counters().Left, 9);
}

struct TBlinkCase {
  const char* Name;
  bool WrongFirst;
  int StepsAfterRight;  // left after the first step
};

class FormMainBlink : public FormMainTest, public ::testing::WithParamInterface<TBlinkCase> {};

TEST_P(FormMainBlink, ARightAnswerThatMakesTheQuestionLearnedBlinksLonger) {
  Settings.EftCorrACount = 1;
  Settings.EftCorrACountPlus = 2;
  TFormMain& w = MakeShown();
  {
    TFakePrompt quiet;
    w.Dict()->SetNTK(1);
  }
  if (GetParam().WrongFirst) {
    Click(Wrong(0));
    FinishEffect();
  }
  Click(Correct());
  EXPECT_EQ(w.EffectSteps(), GetParam().StepsAfterRight);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormMainBlink,
                         ::testing::Values(TBlinkCase{"FirstTry", false, 5}, TBlinkCase{"AfterAWrongChoice", true, 1}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(FormMainTest, PanelsFitTheSizeStepExactly) {
  Settings.CurAnswersCount = 7;
  TFormMain& w = MakeShown();
  EXPECT_EQ(w.QuestionFrame()->height(), QuestionPanelHeight(2));
  EXPECT_EQ(w.AnswersFrame()->height(), AnswerPanelHeight(2) * 7 + 4);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(w.AnswerPanel(i)->geometry(), QRect(2, AnswerPanelHeight(2) * i + 2, w.AnswersFrame()->width() - 4,
                                                  AnswerPanelHeight(2)));
  }
  EXPECT_EQ(w.width(), 600);
  // The status panels side by side, the last one filling the rest.
  int x = 0;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(w.StatusPanel(i)->x(), x) << i;
    x += w.StatusPanel(i)->width();
  }
  EXPECT_EQ(w.StatusPanel(0)->width(), (600 - 8) / 4);
  EXPECT_EQ(x, w.width());
}

TEST_F(FormMainTest, SizeKeysAndUserResizesGoThroughTheSizeRule) {
  TFormMain& w = MakeShown();
  const int h = w.height();
  // 14 pixels taller: nothing.
  w.resize(w.width(), h + 14);
  w.ApplyUserResize();
  EXPECT_EQ(w.height(), h);
  EXPECT_EQ(Settings.CurSizeY, 2);
  // Ctrl+Down: one step, the panels follow.
  QTest::keyClick(&w, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Settings.CurSizeY, 3);
  EXPECT_EQ(w.height(), HeightAtStep(h, 2, 3, 5));
  EXPECT_EQ(w.AnswerPanel(4)->geometry().top(), AnswerPanelHeight(3) * 4 + 2);
  EXPECT_EQ(w.QuestionFrame()->height(), QuestionPanelHeight(3));
  // Dragged far taller: the nearest step.
  w.resize(w.width(), HeightAtStep(h, 2, 6, 5) + 3);
  w.ApplyUserResize();
  EXPECT_EQ(Settings.CurSizeY, 6);
  EXPECT_EQ(w.height(), HeightAtStep(h, 2, 6, 5));
  QApplication::processEvents();
  EXPECT_EQ(w.AnswersFrame()->height(), AnswerPanelHeight(6) * 5 + 4);
  // Ctrl+Up back down one step; Ctrl+Left narrower down to the floor.
  QTest::keyClick(&w, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(Settings.CurSizeY, 5);
  w.RequestSize(100, w.height());
  EXPECT_EQ(w.width(), MinFormWidth);
  EXPECT_EQ(Settings.CurSizeX, MinFormWidth);
  EXPECT_EQ(w.StatusPanel(0)->width(), 57);
  QTest::keyClick(&w, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(w.width(), MinFormWidth + 8);
}

TEST_F(FormMainTest, ASizeTheWindowManagerKeepsGivingIsTakenInTheEnd) {
  TFormMain& w = MakeShown();
  const int h = w.height();
  w.resize(w.width(), h + 5);
  w.ApplyUserResize();
  EXPECT_EQ(w.height(), h);
  // The window manager puts its size back instead of ours.
  w.resize(w.width(), h + 5);
  w.ApplyUserResize();
  EXPECT_EQ(w.height(), h + 5);
  w.ApplyUserResize();
  EXPECT_EQ(w.height(), h + 5);
  EXPECT_EQ(Settings.CurSizeY, 2);
  // A new drag is ruled again.
  w.resize(w.width(), h + 10);
  w.ApplyUserResize();
  EXPECT_EQ(w.height(), h + 5);
}

TEST_F(FormMainTest, NarrowStatusPanelsShortenTheirTexts) {
  Settings.CurSizeX = MinFormWidth;
  TFormMain& w = MakeShown();
  Click(Wrong(0));
  FinishEffect();
  for (int i = 0; i < 4; ++i) {
    TPanel* s = w.StatusPanel(i);
    const QString text = s->text();
    SCOPED_TRACE(text.toStdString());
    EXPECT_TRUE(text.endsWith(QString::number(w.Counters().Value(TCounterKind(i)))));
    EXPECT_LE(s->fontMetrics().horizontalAdvance(text) + 4, s->width());
  }
  EXPECT_NE(StatusText(1), "Questions 1");
  // Wider again: the full texts come back.
  w.RequestSize(600, w.height());
  EXPECT_EQ(StatusText(1), "Questions 1");
  EXPECT_EQ(StatusText(0), "Attempts 1");
}

TEST_F(FormMainTest, TheWindowTakesItsStoredPlaceWhenThatIsOnAScreen) {
  Settings.MainFormX = 30;
  Settings.MainFormY = 40;
  EXPECT_EQ(Make().pos(), QPoint(30, 40));
  Window.reset();
  Settings.MainFormX = 30000;
  TFormMain& w = Make();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(w.geometry().center()));
}

TEST_F(FormMainTest, ClosingDuringAnEffectKeepsTheDictionary) {
  TFormMain& w = MakeShown();
  const std::string first = w.Card().Question;
  Click(Correct());
  FinishEffect();
  Click(Wrong(0));
  ASSERT_TRUE(w.Busy());
  w.mnQuitClick();
  EXPECT_EQ(Quits, 1);
  w.FormDestroy();
  EXPECT_EQ(w.Dict(), nullptr);
  EXPECT_FALSE(Tray->IsShown());
  EXPECT_FALSE(Key->IsRegistered());
  w.TimerMakingEffectsTimer();  // a late timer event finds nothing to do
  Window.reset();
  TSmartDict again(DictFile, false);
  ASSERT_TRUE(again.IsUsable());
  EXPECT_EQ(again.QuestionCount(), 20);
  int32_t index = 0;
  TQuestionInfo info;
  ASSERT_TRUE(again.FindQuestion(first, index));
  ASSERT_TRUE(again.GetQuestionInfo(index, info));
  EXPECT_EQ(info.ShowCount, 1);
  EXPECT_EQ(info.RightInRow, 1);
}

TEST_F(FormMainTest, ClosingWhileTheResultsAreOpenKeepsTheDictionaryAndThePosition) {
  TFormMain& w = MakeShown();
  w.move(40, 50);
  DuringResults = [this] { Window->mnQuitClick(); };
  for (int q = 1; q <= 10; ++q) {
    Click(Correct());
    FinishEffect();
  }
  ASSERT_EQ(Results.size(), 1u);
  EXPECT_EQ(Quits, 1);
  const QPoint at = w.pos();
  Window.reset();  // the destructor runs the end
  EXPECT_EQ(Settings.MainFormX, at.x());
  EXPECT_EQ(Settings.MainFormY, at.y());
  TSmartDict again(DictFile, false);
  ASSERT_TRUE(again.IsUsable());
  EXPECT_EQ(ShowCounts(again), 10);
}

TEST_F(FormMainTest, CreatingADictionaryAddsTheExtensionAndRefusesTheOpenOne) {
  TFormMain& w = Make();
  Files->Answer = (Dir / "fresh").string();
  Prompts.Answers = {dbCancel};
  w.mnCreateDictClick();
  EXPECT_TRUE(std::filesystem::exists(Dir / "fresh.lxd"));
  ASSERT_FALSE(Prompts.Shown.empty());
  EXPECT_EQ(Prompts.Shown.back().Text,
            "Dictionary successfully created in file \"" + (Dir / "fresh.lxd").string() + "\". Do you want to open it?");
  EXPECT_EQ(Prompts.Shown.back().Buttons, unsigned(dbOk | dbCancel));
  EXPECT_EQ(Settings.StartUpDict, DictFile);
  // A name with an extension is taken as it is; OK opens the new dictionary.
  Files->Answer = (Dir / "fresh2.dat").string();
  Prompts.Answers = {dbOk};
  w.mnCreateDictClick();
  EXPECT_TRUE(std::filesystem::exists(Dir / "fresh2.dat"));
  EXPECT_EQ(w.Dict()->FileName, (Dir / "fresh2.dat").string());
  EXPECT_EQ(Settings.StartUpDict, (Dir / "fresh2.dat").string());
  w.ChangeDictionary(DictFile);

  std::string upper = DictFile;
  upper.replace(upper.size() - 9, 5, "WORDS");
  Files->Answer = upper;
  w.mnCreateDictClick();
  EXPECT_EQ(Prompts.Shown.back().Text, "Can't overwrite active dictionary");
  EXPECT_EQ(Prompts.Shown.back().Kind, dkError);
  TSmartDict still(DictFile, false);
  EXPECT_EQ(still.QuestionCount(), 20);
}

TEST_F(FormMainTest, ChangingTheDictionaryStartsANewExaminationOnIt) {
  const std::string other = MakeDict("other.lxd", 16);
  TFormMain& w = Make();
  SetChooseDictionaryFile([&](TFileDialog& D) {
    D.FileName = other;
    return true;
  });
  Click(Wrong(0));
  w.mnNewDictClick();
  EXPECT_FALSE(w.Busy());
  EXPECT_EQ(w.Dict()->FileName, other);
  EXPECT_EQ(Settings.StartUpDict, other);
  EXPECT_EQ(w.Counters().Questions, 1);
  EXPECT_EQ(w.Counters().Attempts, 0);
}

TEST_F(FormMainTest, AnUnusableDictionaryShowsEmptyPanelsAndIgnoresChoices) {
  Settings.StartUpDict = MakeDict("small.lxd", 5);
  Settings.MaxQCount = 30;
  TFormMain& w = Make();
  EXPECT_FALSE(w.Dict()->IsUsable());
  EXPECT_TRUE(w.QuestionPanel()->text().isEmpty());
  EXPECT_TRUE(w.AnswerPanel(0)->text().isEmpty());
  Click(0);
  ClickQuestion();
  EXPECT_FALSE(w.Busy());
  EXPECT_EQ(w.Counters().Attempts, 0);
  EXPECT_EQ(Tray->Tip, "Lexidrill. Question 0 of 30");
  EXPECT_EQ(StatusText(2), "Left 0");
}

TEST_F(FormMainTest, ADictionaryThatCannotGiveAFirstQuestionDoesNotLoopThroughExaminations) {
  Settings.StartUpDict = MakeDict("same.lxd", 16, "same");
  TFormMain& w = Make();
  ASSERT_TRUE(w.Dict()->IsUsable());
  EXPECT_TRUE(Results.empty());
  EXPECT_EQ(w.Counters().Questions, 0);
  EXPECT_TRUE(w.QuestionPanel()->text().isEmpty());
  ASSERT_FALSE(Prompts.Shown.empty());
  EXPECT_EQ(Prompts.Texts().back(), "There is no more words in dictonary");
  const size_t shown = Prompts.Shown.size();
  w.mnNewPlayClick();
  EXPECT_EQ(Prompts.Shown.size(), shown + 2);  // the dictionary's reason and ours, once each
  EXPECT_TRUE(Results.empty());
  Click(0);
  EXPECT_FALSE(w.Busy());
}

TEST_F(FormMainTest, FirstRunShowsTheAboutBoxAndAsksForTheDictionary) {
  Settings.ExecCount = 0;
  const std::string chosen = MakeDict("chosen.lxd", 16);
  SetChooseDictionaryFile([&](TFileDialog& D) {
    D.FileName = chosen;
    return true;
  });
  TFormMain& w = Make();
  EXPECT_EQ(Abouts, 1);
  EXPECT_EQ(Settings.StartUpDict, chosen);
  EXPECT_EQ(w.Dict()->FileName, chosen);
}

TEST_F(FormMainTest, ConfigurationReappliesTheLooksAndRestartsWhenAsked) {
  TFormMain& w = MakeShown();
  Click(Correct());
  FinishEffect();
  DuringOptions = [] {
    Settings.CurAnswersCount = 8;
    Settings.HotKeyVirtualKey = 'K';
  };
  OptionsRestart = true;
  w.mnOptionsClick();
  EXPECT_EQ(OptionRuns, 1);
  EXPECT_EQ(w.AnswerPanelCount(), 8);
  EXPECT_EQ(w.Counters().Questions, 1);
  EXPECT_EQ(w.Counters().Attempts, 0);
  EXPECT_EQ(Key->Calls.back(), "register 3 75");
  // A changed examination length restarts too, whatever the dialog says.
  OptionsRestart = false;
  DuringOptions = [] { Settings.MaxQCount = 12; };
  Click(Correct());
  FinishEffect();
  w.mnOptionsClick();
  EXPECT_EQ(w.Counters().Questions, 1);
  EXPECT_EQ(w.Counters().Left, 12);
}

TEST_F(FormMainTest, MenuOffAndStatusOffKeepTheAnswersFitting) {
  Settings.MainMenuOff = true;
  Settings.StatusOff = true;
  TFormMain& w = MakeShown();
  EXPECT_FALSE(w.menuBar()->isVisible());
  EXPECT_EQ(w.AnswersFrame()->height(), AnswerPanelHeight(2) * 5 + 4);
  EXPECT_EQ(w.height(), QuestionPanelHeight(2) + AnswerPanelHeight(2) * 5 + 4);
  // The keys still work without the menu bar.
  QTest::keyClick(&w, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Settings.CurSizeY, 3);
}

}  // namespace

namespace {

TEST_F(FormMainTest, EscHidesToTheTrayAndF1OpensTheHelpUntilTheEnd) {
  std::ofstream(Dir / "lexidrill.hlp") << "<html><body><h1>Contents</h1></body></html>";
  TFormMain& w = MakeShown();
  QTest::keyClick(&w, Qt::Key_F1);
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_TRUE(HelpWindow()->toPlainText().contains("Contents"));
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.Tray().PauseRunning());
  w.FormDestroy();
  QApplication::processEvents();
  EXPECT_EQ(HelpWindow(), nullptr);
}

TEST_F(FormMainTest, TheContextMenuHoldsTheCommandsInOrder) {
  TFormMain& w = Make();
  QStringList names;
  for (QAction* a : w.ContextMenu()->actions())
    if (!a->isSeparator() && a->isVisible()) names << a->objectName();
  EXPECT_EQ(names, QStringList({"pmnOptions", "pmnNewPlay", "pmnNewDict", "pmnNewItem", "Createnewdictionary1",
                                "HelpTopics1", "pmnAbout"}));
  // Its twins run the same handlers.
  w.findChild<QAction*>("pmnAbout")->trigger();
  EXPECT_EQ(Abouts, 1);
}

struct TProgressCase {
  const char* Name;
  bool Silent;
};

class FormMainProgress : public FormMainTest, public ::testing::WithParamInterface<TProgressCase> {
 protected:
  void TearDown() override {
    FormMainTest::TearDown();
    SetCommandLineArguments({});
    ResetCommandLine();
  }
};

TEST_P(FormMainProgress, DictionaryOperationsReportThroughTheRightBracket) {
  SetCommandLineArguments(GetParam().Silent ? std::vector<std::string>{"/ORBISK"} : std::vector<std::string>{});
  ResetCommandLine();
  InstallVisualProgress();
  std::vector<std::string> begun;
  int quiet = 0, ends = 0, hiddenSteps = 0, steps = 0;
  TProgressProcs& p = ProgressProcs();
  auto begin = p.BeginProgress;
  auto step = p.ProgressStep;
  auto end = p.EndProgress;
  p.BeginProgress = [&, begin](const std::string& Caption, int32_t Steps) {
    begun.push_back(Caption + " " + std::to_string(Steps));
    begin(Caption, Steps);
  };
  p.ProgressStep = [&, step](const std::string& Text, int32_t Min, int32_t Max, int32_t Position) {
    if (Window) {  // not while the window is made: it is not shown yet
      ++steps;
      if (!Window->isVisible()) ++hiddenSteps;
    }
    step(Text, Min, Max, Position);
  };
  p.EndProgress = [&, end] {
    ++ends;
    end();
  };
  auto quietBegin = p.QuietBegin;
  p.QuietBegin = [&, quietBegin](uint8_t Kind, const std::string& A, const std::string& B) {
    ++quiet;
    quietBegin(Kind, A, B);
  };
  const std::string other = MakeDict("other.lxd", 16);
  TFormMain& w = MakeShown();
  w.ChangeDictionary(other);
  EXPECT_TRUE(w.isVisible());
  w.FormDestroy();
  if (GetParam().Silent) {
    EXPECT_TRUE(begun.empty());
    EXPECT_EQ(quiet, 3);
  } else {
    EXPECT_EQ(begun, (std::vector<std::string>{"Opening dictionary 1", "Changing dictionary 3", "Closing dictionary 2"}));
    EXPECT_EQ(quiet, 0);
    EXPECT_EQ(ends, 3);
    EXPECT_GT(steps, 0);
    EXPECT_EQ(hiddenSteps, steps);  // the window was out of sight behind every progress window
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, FormMainProgress,
                         ::testing::Values(TProgressCase{"Window", false}, TProgressCase{"Silent", true}),
                         [](const auto& I) { return std::string(I.param.Name); });

}  // namespace
