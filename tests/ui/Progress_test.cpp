#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/support/FakePrompt.h"
#include "dictionary/ProgressProcs.h"
#include "ui/LexidrillVisualLittle.h"
#include "ui/MultiPartVisual.h"

namespace {

class ProgressTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallVisualProgress(); }
  void TearDown() override { SetDefaultProgressProcs(); }
  TProgressProcs& P = ProgressProcs();
};

TEST_F(ProgressTest, StepsNeverPassTheCount) {
  P.BeginProgress("Opening dictionary", 1);
  TFormMultiPartVisual* w = ProgressWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Opening dictionary");
  EXPECT_EQ(w->lbStep->text(), "Step 0 of 1");
  P.ProgressStep("Loading dictionary.", 0, 9, 0);
  EXPECT_EQ(w->lbStep->text(), "Step 1 of 1");
  EXPECT_EQ(w->lbSubTitle->text(), "Please wait... Loading dictionary.");
  EXPECT_EQ(w->GU->maximum(), 9);
  EXPECT_TRUE(P.ProgressTick());
  EXPECT_EQ(w->GU->value(), 1);
  P.ProgressStep("Saving dictionary.", 0, 9, 0);
  EXPECT_EQ(w->lbStep->text(), "Step 1 of 1");
  EXPECT_EQ(w->Interval(), 2000);
  P.EndProgress();
  EXPECT_EQ(ProgressWindow(), nullptr);
  EXPECT_FALSE(P.ProgressTick());
  EXPECT_FALSE(P.ProgressText("x"));
}

TEST_F(ProgressTest, IndeterminateModeAndBreak) {
  TFakePrompt prompt;
  P.BeginProgressKeepForms("Import", 1);
  TFormMultiPartVisual* w = ProgressWindow();
  P.ProgressStep("Importing", 5, 2, 3);  // min > max counts as 0..0
  EXPECT_TRUE(w->GU->isHidden());
  EXPECT_FALSE(w->btCancel->isHidden());
  EXPECT_FALSE(w->lbUnKnownProgress->isHidden());
  EXPECT_EQ(w->btCancel->text(), "Break!");
  EXPECT_EQ(w->Interval(), 200);
  EXPECT_TRUE(P.ProgressText("first"));
  EXPECT_EQ(w->lbUnKnownProgress->text(), "first");

  prompt.Answers = {dbNo, dbYes};
  QTest::mouseClick(w->btCancel, Qt::LeftButton);
  EXPECT_TRUE(P.ProgressText("second"));
  QTest::mouseClick(w->btCancel, Qt::LeftButton);
  EXPECT_FALSE(P.ProgressText("third"));
  EXPECT_FALSE(w->btCancel->isEnabled());
  w->btCancelClick();  // asked once only
  ASSERT_EQ(prompt.Shown.size(), 2u);
  EXPECT_EQ(prompt.Shown[0].Text, "Break operation");
  EXPECT_EQ(prompt.Shown[0].Kind, dkConfirmation);
  EXPECT_EQ(prompt.Shown[0].Buttons, unsigned(dbYes | dbNo));

  P.ProgressStep("Known again", 0, 10, 0);
  EXPECT_FALSE(w->GU->isHidden());
  EXPECT_TRUE(w->btCancel->isHidden());
  P.EndProgress();
}

TEST_F(ProgressTest, HidesAndRestoresWindowsLevelByLevel) {
  QWidget a, b;
  a.show();
  b.show();
  P.BeginProgress("Outer", 2);
  EXPECT_FALSE(a.isVisible());
  EXPECT_FALSE(b.isVisible());
  EXPECT_TRUE(ProgressWindow()->isVisible());

  QWidget c;
  c.show();
  P.BeginProgressKeepForms("Inner", 1);  // keeps c
  EXPECT_TRUE(c.isVisible());
  P.EndProgress();
  EXPECT_TRUE(c.isVisible());
  EXPECT_FALSE(a.isVisible());

  P.EndProgress();
  EXPECT_TRUE(a.isVisible());
  EXPECT_TRUE(b.isVisible());
  P.EndProgress();  // unpaired end: nothing to show, no crash
}

TEST_F(ProgressTest, WindowFreedWhileHiddenIsNotShownAgain) {
  QWidget stays;
  stays.show();
  auto* gone = new QWidget;
  gone->show();
  P.BeginProgress("Closing dictionary", 2);
  delete gone;
  P.EndProgress();
  EXPECT_TRUE(stays.isVisible());
}

TEST(ProgressDefaults, QuietFlag) {
  SetDefaultProgressProcs();
  TProgressProcs& p = ProgressProcs();
  p.QuietBegin(0, "", "");
  EXPECT_TRUE(p.QuietTick());
  p.QuietEnd();
  EXPECT_FALSE(p.QuietTick());
}

}  // namespace
