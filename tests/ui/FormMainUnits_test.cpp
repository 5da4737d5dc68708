#include "ui/FormMain.h"

#include "FormMainFixture.h"

namespace {

class FormMainUnits : public FormMainTest {
 protected:
  void SetUp() override {
    FormMainTest::SetUp();
    Settings.IntervalPresent = true;
    Settings.IntervalQCount = 5;
    Settings.IntervalMin = 0;
    Settings.IntervalSec = 40;
  }

  void Right() {
    Click(Correct());
    FinishEffect();
  }
  void WrongThenRight() {
    Click(Wrong(0));
    FinishEffect();
    Right();
  }
  void Hint() {
    ClickQuestion();
    FinishEffect();
  }

  // A unit of five right answers, with a wrong choice and a hint between.
  void CompleteAUnit() {
    WrongThenRight();
    Hint();
    Right();
    Right();
    Right();
    ASSERT_TRUE(Shown());
    Right();
  }
};

TEST_F(FormMainUnits, AUnitHidesTheWindowAndStartsThePauseWithoutANewQuestion) {
  TFormMain& w = MakeShown();
  CompleteAUnit();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(w.Tray().PauseRunning());
  ASSERT_EQ(Timer->Starts.size(), 1u);
  EXPECT_EQ(Timer->Starts[0], 40000);
  EXPECT_EQ(w.Counters().Questions, 6);  // the answered question stays
  EXPECT_EQ(w.UnitCount(), 0);
  EXPECT_EQ(Played(seProgramPopup), 0);
}

struct TEndCase {
  const char* Name;
  std::function<void(FormMainUnits&)> End;
};

class FormMainPauseEnd : public FormMainUnits, public ::testing::WithParamInterface<TEndCase> {};

TEST_P(FormMainPauseEnd, EndsThePauseOnceWithOneNextQuestion) {
  TFormMain& w = MakeShown();
  CompleteAUnit();
  const std::string answered = w.Card().Question;
  ASSERT_TRUE(w.Tray().PauseRunning());
  GetParam().End(*this);
  EXPECT_FALSE(w.Tray().PauseRunning());
  EXPECT_FALSE(Timer->Running);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(w.Counters().Questions, 7);
  EXPECT_EQ(Played(seProgramPopup), 1);
  // Every other way in finds no pause: no second question.
  Timer->Fire();
  Tray->LeftPress();
  Key->Press();
  w.Tray().Activate();
  EXPECT_EQ(w.Counters().Questions, 7);
  EXPECT_TRUE(Results.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FormMainPauseEnd,
    ::testing::Values(TEndCase{"PauseTimer", [](FormMainUnits& T) { T.Timer->Fire(); }},
                      TEndCase{"TrayLeftPress", [](FormMainUnits& T) { T.Tray->LeftPress(); }},
                      TEndCase{"HotKey", [](FormMainUnits& T) { T.Key->Press(); }},
                      TEndCase{"Restore", [](FormMainUnits& T) { ASSERT_TRUE(T.Tray->Choose("Restore")); }},
                      TEndCase{"Activation", [](FormMainUnits& T) { T.Window->Tray().Activate(); }}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(FormMainUnits, OutsideAPauseATrayClickOnlyBringsTheWindowForward) {
  TFormMain& w = MakeShown();
  Right();
  w.Test1Click();  // Esc: to the tray, no pause
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.Tray().PauseRunning());
  Tray->LeftPress();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(w.Counters().Questions, 2);
  EXPECT_EQ(Played(seProgramPopup), 1);
}

TEST_F(FormMainUnits, TheLastQuestionCompletingAUnitShowsTheResultsBeforeTheWindow) {
  TFormMain& w = MakeShown();
  // Right answers at attempts 2..9, then 11 and 12: none meets Attempts = MaxQCount.
  WrongThenRight();
  for (int q = 2; q <= 5; ++q) Right();
  ASSERT_TRUE(w.Tray().PauseRunning());
  Timer->Fire();
  for (int q = 6; q <= 8; ++q) Right();
  WrongThenRight();
  EXPECT_EQ(w.Counters().Questions, 10);
  EXPECT_EQ(w.UnitCount(), 4);
  Right();
  EXPECT_TRUE(w.Tray().PauseRunning());
  EXPECT_TRUE(Results.empty());
  Tray->LeftPress();
  ASSERT_EQ(Results.size(), 1u);
  EXPECT_FALSE(VisibleAtResults[0]);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Results[0].Count, 10);
  EXPECT_EQ(w.Counters().Questions, 1);
  EXPECT_EQ(w.Counters().Left, 10);
}

TEST_F(FormMainUnits, ARightAnswerWithAttemptsAtTheExaminationLengthNeitherCountsNorPauses) {
  Settings.IntervalQCount = 10;
  TFormMain& w = MakeShown();
  for (int q = 1; q <= 9; ++q) Right();
  EXPECT_EQ(w.UnitCount(), 9);
  Right();  // the tenth answer is the tenth attempt
  EXPECT_FALSE(w.Tray().PauseRunning());
  EXPECT_TRUE(Shown());
  EXPECT_EQ(w.UnitCount(), 9);
  ASSERT_EQ(Results.size(), 1u);
  EXPECT_EQ(w.Counters().Questions, 1);
  Right();  // the next examination's first answer completes the unit
  EXPECT_TRUE(w.Tray().PauseRunning());
}

TEST_F(FormMainUnits, UnitsRunAcrossExaminationsUntilTheConfigurationResetsThem) {
  Settings.IntervalQCount = 20;
  TFormMain& w = MakeShown();
  Click(Wrong(0));  // so that no answer meets Attempts = MaxQCount
  FinishEffect();
  for (int q = 1; q <= 10; ++q) Right();
  EXPECT_EQ(Results.size(), 1u);
  EXPECT_EQ(w.UnitCount(), 9);  // the ninth right answer was the tenth attempt
  Right();
  EXPECT_EQ(w.UnitCount(), 10);
  w.mnOptionsClick();
  EXPECT_EQ(w.UnitCount(), 0);
}

TEST_F(FormMainUnits, ThePauseOfZeroNeverEndsByItself) {
  Settings.IntervalSec = 0;
  TFormMain& w = MakeShown();
  CompleteAUnit();
  EXPECT_TRUE(w.Tray().PauseRunning());
  EXPECT_TRUE(Timer->Starts.empty());
  Key->Press();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(w.Counters().Questions, 7);
}

TEST_F(FormMainUnits, TheHotKeyFollowsTheConfigurationAndTheEnd) {
  TFormMain& w = Make();
  ASSERT_GE(Key->Calls.size(), 2u);
  EXPECT_EQ(Key->Calls[Key->Calls.size() - 2], "unregister");
  EXPECT_EQ(Key->Calls.back(), "register 3 90");
  DuringOptions = [] { Settings.HotKeyEnabled = false; };
  w.mnOptionsClick();
  EXPECT_EQ(Key->Calls.back(), "unregister");
  EXPECT_FALSE(Key->IsRegistered());
  DuringOptions = [] {
    Settings.HotKeyEnabled = true;
    Settings.HotKeyModifiers = 6;
    Settings.HotKeyVirtualKey = 'L';
  };
  w.mnOptionsClick();
  EXPECT_EQ(Key->Calls.back(), "register 6 76");
  w.FormDestroy();
  EXPECT_EQ(Key->Calls.back(), "unregister");
  EXPECT_EQ(Tray->Removes, 1);
}

TEST_F(FormMainUnits, TheTrayMenuExitEndsTheProgramNormally) {
  Make();
  ASSERT_TRUE(Tray->Choose("N6"));
  EXPECT_EQ(Quits, 1);
}

TEST_F(FormMainUnits, WithoutATrayTheUnitMinimisesInsteadOfHiding) {
  TrayAvailable = false;
  TFormMain& w = MakeShown();
  CompleteAUnit();
  EXPECT_TRUE(w.Tray().PauseRunning());
  EXPECT_TRUE(w.isMinimized());
  Timer->Fire();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(w.Counters().Questions, 7);
}

}  // namespace
