#pragma once
// How long a blink effect runs. One blink is two steps of the 250 ms effect
// timer: an "on" step in the effect colours and an "off" step back.

#include <cstdint>

#include "exam/AnswerRules.h"

struct TBlinkCounts {
  int32_t Right = 1;      // EftCorrACount
  int32_t Wrong = 2;      // EftIncorrACount
  int32_t Hint = 3;       // EftHelpACount
  int32_t LearnedPlus = 2;  // EftCorrACountPlus
};

// The learning state of the answered question as the dictionary reports it.
struct TAnsweredQuestion {
  bool Found = false;     // the question text was found in the dictionary
  bool IsNew = false;     // status qsNew
  bool IsLearning = false;  // status qsLearning
  int32_t RightInRow = 0;
  int32_t NTK = 10;       // right answers in a row that make a new question learned
  int32_t UTK = 10;       // the same for a question being learned
};

// True when this right answer makes the question learned.
bool AnswerMakesLearned(const TAnsweredQuestion& Q);

// Steps of the effect; Bonus adds the learned-question blinks to a right answer
// (the caller passes AnswerMakesLearned && OnlyCorrectMarked).
int32_t BlinkSteps(TEffectKind Kind, const TBlinkCounts& Counts, bool Bonus);

// The effect step: even steps are "on", odd ones "off"; none left = finished.
inline bool BlinkStepIsOn(int32_t StepsLeft) { return StepsLeft % 2 == 0; }
