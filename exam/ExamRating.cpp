#include "exam/ExamRating.h"

#include <cfenv>
#include <cmath>

TExamRating RateExamination(int32_t Questions, int32_t Right, int32_t Wrong, int32_t Hints) {
  const double Share = (static_cast<double>(Wrong) + Hints) * 100.0 / (Questions > 0 ? Questions : 1);
  // Halves go to the even neighbour: 2.5 gives 2, 7.5 gives 8.
  const int OldMode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double P = std::nearbyint(Share);
  std::fesetround(OldMode);

  struct TRow {
    double Below;
    const char* Score;
    uint8_t Category;
  };
  static const TRow Rows[] = {{30, "8", 1}, {40, "7", 1}, {50, "6", 2}, {60, "5", 2},
                              {70, "4", 3}, {80, "3", 3}, {90, "2", 4}};
  const char* Score = "1";
  uint8_t Category = 4;
  if (P < 20) {
    Score = Right == Questions && Wrong == 0 && Hints == 0 ? "10" : "9";
    Category = 0;
  } else {
    for (const TRow& Row : Rows) {
      if (P < Row.Below) {
        Score = Row.Score;
        Category = Row.Category;
        break;
      }
    }
  }
  return {Score, Category, 10 + Category};
}
