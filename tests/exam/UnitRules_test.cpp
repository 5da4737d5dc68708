#include "exam/UnitRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One finished blink effect: R right, W wrong, H hint; L a right answer whose
// attempts equal MaxQCount (the examination's last possible attempt).
TAfterEffectInput Effect(char Code) {
  TAfterEffectInput in;
  in.IntervalPresent = true;
  in.HasQuestionsLeft = true;
  in.MaxQCount = 30;
  in.Attempts = Code == 'L' ? 30 : 7;
  in.Kind = Code == 'W' ? ekWrong : Code == 'H' ? ekHint : ekRight;
  return in;
}

struct TSequenceCase {
  const char* Name;
  std::string Effects;
  int32_t IntervalQCount;
  std::string Expected;  // per effect: . nothing, n next question, P pause
  int32_t UnitCountAfter;
};

class UnitSequence : public ::testing::TestWithParam<TSequenceCase> {};

TEST_P(UnitSequence, PausesAfterAUnitOfRightAnswers) {
  const TSequenceCase& c = GetParam();
  int32_t unit = 0;
  std::string got;
  for (char e : c.Effects) {
    switch (UnitStepAfterEffect(Effect(e), unit, c.IntervalQCount)) {
      case usNothing: got += '.'; break;
      case usNextQuestion: got += 'n'; break;
      case usStartPause: got += 'P'; break;
    }
  }
  EXPECT_EQ(got, c.Expected);
  EXPECT_EQ(unit, c.UnitCountAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitSequence,
    ::testing::Values(
        TSequenceCase{"FiveRight", "RRRRR", 5, "nnnnP", 0},
        TSequenceCase{"WrongAndHintsDoNotCount", "WRHRWWRHHRWR", 5, ".nnn..nnnn.P", 0},
        TSequenceCase{"UnitsRepeat", "RRRRRRRRRRR", 5, "nnnnPnnnnPn", 1},
        TSequenceCase{"UnitOfOne", "RWRH", 1, "P.Pn", 0},
        TSequenceCase{"LastAttemptNeitherCountsNorPauses", "RRRRLR", 5, "nnnnnP", 0},
        TSequenceCase{"LastAttemptAsFifth", "RRRRL", 5, "nnnnn", 4},
        TSequenceCase{"UnitBelowOneActsAsOne", "RR", 0, "PP", 0}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(UnitRules, WithoutUnitsOrQuestionsRightAnswersNeverCount) {
  for (bool units : {false, true}) {
    TAfterEffectInput in = Effect('R');
    in.IntervalPresent = units;
    in.HasQuestionsLeft = !units;
    int32_t unit = 4;
    EXPECT_EQ(UnitStepAfterEffect(in, unit, 5), usNextQuestion);
    EXPECT_EQ(unit, 4);
  }
}

TEST(UnitRules, CountAboveALoweredUnitPausesAtOnce) {
  int32_t unit = 7;
  EXPECT_EQ(UnitStepAfterEffect(Effect('R'), unit, 3), usStartPause);
  EXPECT_EQ(unit, 0);
}

struct TPauseCase {
  int32_t Min, Sec;
  int64_t Ms;
};

TEST(UnitRules, PauseLengths) {
  const TPauseCase cases[] = {
      {3, 0, 180000}, {0, 1, 1000}, {1, 30, 90000}, {0, 59, 59000},
      {99, 99, 6039000},  // seconds above 59 are accepted from the settings
      {0, 0, 0},          {-1, 5, 5000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Min) + ":" + std::to_string(c.Sec));
    EXPECT_EQ(PauseMilliseconds(c.Min, c.Sec), c.Ms);
    EXPECT_EQ(PauseExpires(c.Min, c.Sec), c.Ms > 0);
  }
}

}  // namespace
