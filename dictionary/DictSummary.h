#pragma once
#include <cstdint>

// The five counts of the dictionary statistics chart, in their stored order.
struct TDictSummary {
  int32_t AllQuestions = 0;    // QuestionCount
  int32_t ShowedAlready = 0;   // qsNew with RightInRow != 0
  int32_t NewQuestions = 0;    // qsNew with RightInRow == 0
  int32_t LearnedAlready = 0;  // qsLearned
  int32_t UnlearnedYet = 0;    // everything else
};
