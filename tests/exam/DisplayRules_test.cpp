#include <gtest/gtest.h>

#include "exam/BlinkRules.h"
#include "exam/SizeRule.h"
#include "exam/StatusText.h"
#include "exam/TrayTip.h"

namespace {

TEST(BlinkRules, StepCounts) {
  const TBlinkCounts c{1, 2, 3, 2};
  EXPECT_EQ(BlinkSteps(ekRight, c, false), 2);
  EXPECT_EQ(BlinkSteps(ekRight, c, true), 6);  // three blinks with the learned bonus
  EXPECT_EQ(BlinkSteps(ekWrong, c, true), 4);  // the bonus is for right answers only
  EXPECT_EQ(BlinkSteps(ekHint, c, false), 6);
  EXPECT_EQ(BlinkSteps(ekRight, TBlinkCounts{0, 0, 0, 0}, true), 0);
  EXPECT_TRUE(BlinkStepIsOn(4));
  EXPECT_FALSE(BlinkStepIsOn(3));
}

TEST(BlinkRules, AnswerMakesLearned) {
  struct Case {
    TAnsweredQuestion q;
    bool expected;
  };
  const Case cases[] = {
      {{true, true, false, 9, 10, 5}, true},    // new: 9 + 1 reaches NTK
      {{true, true, false, 8, 10, 5}, false},
      {{true, false, true, 4, 10, 5}, true},    // learning: against UTK
      {{true, false, true, 3, 10, 5}, false},
      {{true, false, false, 50, 1, 1}, false},  // already learned
      {{false, true, false, 9, 10, 5}, false},  // question not found
  };
  for (const Case& k : cases) EXPECT_EQ(AnswerMakesLearned(k.q), k.expected) << k.q.RightInRow;
}

TEST(SizeRule, StepHeights) {
  EXPECT_EQ(QuestionPanelHeight(0), 18);
  EXPECT_EQ(AnswerPanelHeight(0), 16);
  EXPECT_EQ(QuestionPanelHeight(2), 28);
  EXPECT_EQ(AnswerPanelHeight(2), 23);
  EXPECT_EQ(AnswerPanelHeight(1), 20);
  EXPECT_EQ(QuestionPanelHeight(8), 58);
  EXPECT_EQ(AnswerPanelHeight(8), 41);
}

TEST(SizeRule, HeightSnapsToNearestStep) {
  // Default step 2 with five answers: one step up adds 5 + 3 * 5 = 20 pixels.
  struct Case {
    int step, dh;
    int expectedStep, expectedDh;
  };
  const Case cases[] = {
      {2, 14, 2, 0},     // inside the dead band
      {2, -14, 2, 0},
      {2, 15, 3, 20},    // 15 is enough to move, step 3 is nearest
      {2, 16, 3, 20},    // the Ctrl+Down key
      {2, -16, 1, -20},  // the Ctrl+Up key
      {2, 50, 4, 40},    // 40 is nearer than 60
      {2, 30, 3, 20},    // tie between 20 and 40 goes to the lower step
      {2, 500, 8, 120},  // clamps at the top step
      {2, -500, 0, -45},
      {8, 40, 8, 0},     // cannot grow at step 8
      {0, -40, 0, 0},    // cannot shrink at step 0
  };
  for (const Case& k : cases) {
    TResizeRequest r{341, 300, 341, 300 + k.dh, k.step, 5};
    TResizeAnswer a = FormCanResize(r);
    EXPECT_EQ(a.Step, k.expectedStep) << k.step << " " << k.dh;
    EXPECT_EQ(a.Height, 300 + k.expectedDh) << k.step << " " << k.dh;
    EXPECT_EQ(a.StepChanged, k.expectedStep != k.step);
    EXPECT_EQ(a.StatusPanelWidth, -1);
  }
}

TEST(SizeRule, WidthFloorAndStatusPanels) {
  TResizeAnswer narrow = FormCanResize({341, 300, 100, 300, 2, 5});
  EXPECT_EQ(narrow.Width, 237);
  EXPECT_EQ(narrow.StatusPanelWidth, 57);
  TResizeAnswer wider = FormCanResize({341, 300, 349, 300, 2, 5});
  EXPECT_EQ(wider.Width, 349);
  EXPECT_EQ(wider.StatusPanelWidth, 85);
  TResizeAnswer same = FormCanResize({237, 300, 200, 300, 2, 5});
  EXPECT_EQ(same.Width, 237);
  EXPECT_EQ(same.StatusPanelWidth, -1);
}

TEST(SizeRule, Keys) {
  int w = 341, h = 300;
  SizeKeyRequest(skUp, w, h);
  EXPECT_EQ(h, 284);
  SizeKeyRequest(skDown, w, h);
  SizeKeyRequest(skDown, w, h);
  EXPECT_EQ(h, 316);
  SizeKeyRequest(skLeft, w, h);
  EXPECT_EQ(w, 333);
  SizeKeyRequest(skRight, w, h);
  SizeKeyRequest(skRight, w, h);
  EXPECT_EQ(w, 349);
}

std::vector<std::string> Shortenings(std::string t) {
  std::vector<std::string> seq{t};
  while (AbbreviateLabel(t)) seq.push_back(t);
  return seq;
}

TEST(StatusText, AbbreviationSequences) {
  EXPECT_EQ(Shortenings("Hints 3"), (std::vector<std::string>{"Hints 3", "Hint. 3", "Hin. 3", "Hi. 3", "H. 3", "3"}));
  EXPECT_EQ(Shortenings("Left 30"), (std::vector<std::string>{"Left 30", "Lef. 30", "Le. 30", "L. 30", "30"}));
  EXPECT_EQ(Shortenings("A 1"), (std::vector<std::string>{"A 1", ". 1", "1"}));
  EXPECT_EQ(Shortenings(" 7"), (std::vector<std::string>{" 7", "7"}));
}

TEST(StatusText, FitStopsAtFirstFormThatFits) {
  // Six pixels a character, two for a dot: Attempts 12 = 66, Attempt. 12 = 62,
  // Attemp. 12 = 56, A. 12 = 26, 12 = 12.
  const TTextWidth width = [](const std::string& s) {
    int w = 0;
    for (char c : s) w += c == '.' ? 2 : 6;
    return w;
  };
  EXPECT_EQ(FitStatusText("Attempts 12", 70, width), "Attempts 12");
  EXPECT_EQ(FitStatusText("Attempts 12", 69, width), "Attempt. 12");
  EXPECT_EQ(FitStatusText("Attempts 12", 65, width), "Attemp. 12");
  EXPECT_EQ(FitStatusText("Attempts 12", 30, width), "A. 12");
  EXPECT_EQ(FitStatusText("Attempts 12", 29, width), "12");
  EXPECT_EQ(FitStatusText("Attempts 12", 0, width), "12");  // nothing fits: the number stays
}

TEST(TrayTip, TextAndLimit) {
  EXPECT_EQ(TrayTipText("Lexidrill", 3, 30), "Lexidrill. Question 3 of 30");
  EXPECT_EQ(TrayTipText("Lexidrill", 0, 30), "Lexidrill. Question 0 of 30");
  const std::string longTitle(70, 'x');
  EXPECT_EQ(TrayTipText(longTitle, 1, 10), std::string(63, 'x'));
  std::string accented(61, 'x');
  accented += "\xC3\xA9\xC3\xA9";  // a two-byte character across the 63rd byte
  EXPECT_EQ(TrayTipText(accented, 1, 10).size(), 63u);
  EXPECT_EQ(TrayTipText(accented, 1, 10), std::string(61, 'x') + "\xC3\xA9");
}

}  // namespace
