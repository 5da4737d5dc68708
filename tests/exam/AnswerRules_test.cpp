#include "exam/AnswerRules.h"

#include <gtest/gtest.h>

namespace {

TExamQuestion Card(int Correct) {
  TExamQuestion c;
  c.Question = "q";
  for (int i = 0; i < 5; ++i) c.Variants[static_cast<size_t>(i)].Text = "a" + std::to_string(i);
  c.CorrectIndex = Correct;
  return c;
}

TEST(AnswerRules, WrongWrongRightCountsThreeAttemptsAndOneLeft) {
  TExamQuestion c = Card(3);
  TExamCounters n;
  n.Reset(10);
  auto w1 = ChooseVariant(c, n, 0);
  EXPECT_EQ(w1.Kind, ekWrong);
  EXPECT_TRUE(w1.NewlyTried);
  auto w2 = ChooseVariant(c, n, 4);
  EXPECT_TRUE(w2.NewlyTried);
  auto r = ChooseVariant(c, n, 3);
  EXPECT_EQ(r.Kind, ekRight);
  EXPECT_EQ(n.Attempts, 3);
  EXPECT_EQ(n.Left, 9);
  EXPECT_TRUE(c.Variants[0].Tried && c.Variants[4].Tried && c.Variants[3].Tried);
  EXPECT_EQ(n.Hints, 0);
}

TEST(AnswerRules, SameWrongVariantCountsOnceButStillBlinks) {
  TExamQuestion c = Card(1);
  TExamCounters n;
  ChooseVariant(c, n, 2);
  auto again = ChooseVariant(c, n, 2);
  EXPECT_EQ(again.Kind, ekWrong);
  EXPECT_FALSE(again.NewlyTried);
  EXPECT_EQ(n.Attempts, 1);
}

TEST(AnswerRules, HintOnlyOncePerQuestionAndLeavesLeft) {
  TExamQuestion c = Card(2);
  TExamCounters n;
  n.Reset(30);
  EXPECT_TRUE(TakeHint(c, n));
  EXPECT_TRUE(c.Variants[2].Hinted);
  EXPECT_FALSE(c.Variants[2].Tried);
  EXPECT_FALSE(TakeHint(c, n));
  EXPECT_EQ(n.Hints, 1);
  EXPECT_EQ(n.Left, 30);
  EXPECT_EQ(n.Attempts, 0);
}

TEST(AnswerRules, FocusMovesToNextOpenVariantAndWraps) {
  struct Case {
    std::vector<int> tried;
    int hinted;
    int from;
    int expected;
  };
  const Case cases[] = {
      {{1}, -1, 1, 2},           // next one up
      {{1, 2}, 3, 1, 4},         // skips tried and hinted
      {{4}, -1, 4, 0},           // last variant wraps to the first
      {{3, 4}, 0, 3, 1},         // wraps past a hinted first variant
      {{0, 1, 2, 3, 4}, -1, 2, -1},  // none left
  };
  for (const Case& k : cases) {
    TExamQuestion c = Card(0);
    for (int t : k.tried) c.Variants[static_cast<size_t>(t)].Tried = true;
    if (k.hinted >= 0) c.Variants[static_cast<size_t>(k.hinted)].Hinted = true;
    EXPECT_EQ(NextFocusVariant(c, k.from, 5), k.expected) << "from " << k.from;
  }
}

TEST(AnswerRules, OnlyCorrectMarked) {
  TExamQuestion c = Card(1);
  c.Variants[1].Tried = true;
  EXPECT_TRUE(OnlyCorrectMarked(c, 5));
  c.Variants[4].Tried = true;
  EXPECT_FALSE(OnlyCorrectMarked(c, 5));
  EXPECT_TRUE(OnlyCorrectMarked(c, 4));  // variants past the count do not matter
}

TEST(AnswerRules, EffectFinishedDecisions) {
  struct Case {
    TEffectKind kind;
    bool units, left;
    int attempts, max;
    TAfterEffect expected;
  };
  const Case cases[] = {
      {ekWrong, true, true, 1, 30, aeNothing},
      {ekHint, true, true, 1, 30, aeNextQuestion},
      {ekRight, false, true, 1, 30, aeNextQuestion},
      {ekRight, true, false, 1, 30, aeNextQuestion},
      {ekRight, true, true, 30, 30, aeNextQuestion},  // attempts = MaxQCount never pauses
      {ekRight, true, true, 7, 30, aeUnitAnswer},
  };
  for (const Case& k : cases) {
    TAfterEffectInput in{k.kind, k.units, k.left, k.attempts, k.max};
    EXPECT_EQ(EffectFinishedAction(in), k.expected) << k.kind << " " << k.attempts;
  }
}

TEST(ExamCounters, TextsAndReset) {
  TExamCounters n;
  n.Questions = 4;
  n.Attempts = 7;
  n.Hints = 2;
  n.Reset(30);
  EXPECT_EQ(n.Questions, 0);
  EXPECT_EQ(n.Attempts, 0);
  EXPECT_EQ(n.Hints, 0);
  EXPECT_EQ(n.Left, 30);
  EXPECT_EQ(CounterText(ckAttempts, 12), "Attempts 12");
  EXPECT_EQ(CounterText(ckQuestions, 3), "Questions 3");
  EXPECT_EQ(CounterText(ckLeft, 30), "Left 30");
  EXPECT_EQ(CounterText(ckHints, 0), "Hints 0");
}

}  // namespace

#include "exam/DictionaryNames.h"

namespace {

TEST(DictionaryNames, ExtensionAddedOnlyWhenMissing) {
  EXPECT_EQ(WithDictionaryExtension("/home/u/words"), "/home/u/words.lxd");
  EXPECT_EQ(WithDictionaryExtension("/home/u/words.txt"), "/home/u/words.txt");
  EXPECT_EQ(WithDictionaryExtension("/home/u.d/words"), "/home/u.d/words.lxd");  // a dot in a folder is no extension
  EXPECT_EQ(WithDictionaryExtension("words.LXD"), "words.LXD");
}

TEST(DictionaryNames, SameNameIgnoresCase) {
  EXPECT_TRUE(SameDictionaryName("/d/Words.lxd", "/d/WORDS.LXD"));
  EXPECT_FALSE(SameDictionaryName("/d/Words.lxd", "/d/Word.lxd"));
  EXPECT_FALSE(SameDictionaryName("/d/a.lxd", "/e/a.lxd"));
}

}  // namespace
