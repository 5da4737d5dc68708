#pragma once
// The school-style score of a finished examination.

#include <cstdint>
#include <string>

struct TExamRating {
  std::string Score;      // "1" to "10"
  uint8_t Category = 0;   // 0 best (picture 5+) to 4 worst (picture 2)
  int32_t SoundEvent = 0; // 10 + Category: "Test - super good" .. "Test - very bad"
};

// Grades by the share of wrong choices and hints among the questions drawn;
// Questions must be at least 1. Several wrong choices per question can push
// the share past 100 %, which still gives the lowest grade.
TExamRating RateExamination(int32_t Questions, int32_t Right, int32_t Wrong, int32_t Hints);
