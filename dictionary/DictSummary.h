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

// The chart's counts from the questions of a usable dictionary: All of them,
// OfNew with status new, Fresh of those never answered right, Learned.
inline TDictSummary SummaryOf(int32_t All, int32_t OfNew, int32_t Fresh, int32_t Learned) {
  TDictSummary s;
  s.AllQuestions = All;
  s.NewQuestions = Fresh;
  s.LearnedAlready = Learned;
  s.ShowedAlready = OfNew - Fresh;
  s.UnlearnedYet = All - s.ShowedAlready - s.NewQuestions - s.LearnedAlready;
  return s;
}
