#include <gtest/gtest.h>

#include "exam/ExamRating.h"

namespace {

TEST(ExamRating, GradesByShareOfErrors) {
  struct Case {
    int32_t Questions, Right, Wrong, Hints;
    const char* Score;
    int Category;
  };
  const Case Cases[] = {
      {30, 30, 0, 0, "10", 0},  // a clean run
      {30, 30, 3, 0, "9", 0},   // 10 %
      {30, 29, 0, 1, "9", 0},   // a hint spoils the 10
      {30, 30, 5, 0, "9", 0},   // 16.67 rounds to 17
      {30, 30, 6, 0, "8", 1},   // 20 %
      {30, 27, 6, 3, "7", 1},   // 30 %
      {30, 30, 14, 0, "6", 2},  // 46.67 rounds to 47
      {30, 30, 15, 0, "5", 2},  // 50 %
      {30, 30, 18, 0, "4", 3},
      {30, 30, 21, 0, "3", 3},
      {30, 30, 24, 0, "2", 4},
      {30, 30, 27, 0, "1", 4},
      {30, 30, 90, 0, "1", 4},  // several wrong choices per question: past 100 %
      {40, 40, 1, 0, "9", 0},   // 2.5 rounds to 2
      {40, 40, 3, 0, "9", 0},   // 7.5 rounds to 8
      {200, 200, 39, 0, "8", 1},  // 19.5 rounds to the even 20
      {200, 200, 59, 0, "7", 1},  // 29.5 rounds to 30
      {200, 200, 61, 0, "7", 1},  // 30.5 rounds to 30
  };
  for (const Case& c : Cases) {
    const TExamRating R = RateExamination(c.Questions, c.Right, c.Wrong, c.Hints);
    SCOPED_TRACE(testing::Message() << c.Questions << " questions, " << c.Wrong << " wrong, " << c.Hints << " hints");
    EXPECT_EQ(R.Score, c.Score);
    EXPECT_EQ(R.Category, c.Category);
    EXPECT_EQ(R.SoundEvent, 10 + c.Category);
  }
}

}  // namespace
