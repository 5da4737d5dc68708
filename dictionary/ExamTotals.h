#pragma once
#include <cstdint>

// The seven counters of the running examination, in their stored order; the
// results window copies the block.
struct TExamTotals {
  int32_t Count = 0;                // questions in the examination
  int32_t Drawn = 0;                // draws made so far
  int32_t LearnedFromNew = 0;       // qsNew -> qsLearned by a right answer
  int32_t LearnedFromLearning = 0;  // qsLearning -> qsLearned by a right answer
  int32_t Wrong = 0;                // wrong variants tried
  int32_t Hints = 0;                // variants revealed by a hint
  int32_t Right = 0;                // questions answered right, or left without choice or hint
};
