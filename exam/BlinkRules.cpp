#include "exam/BlinkRules.h"

bool AnswerMakesLearned(const TAnsweredQuestion& Q) {
  if (!Q.Found) return false;
  if (Q.IsNew) return Q.RightInRow + 1 >= Q.NTK;
  if (Q.IsLearning) return Q.RightInRow + 1 >= Q.UTK;
  return false;
}

int32_t BlinkSteps(TEffectKind Kind, const TBlinkCounts& Counts, bool Bonus) {
  switch (Kind) {
    case ekRight: return 2 * Counts.Right + (Bonus ? 2 * Counts.LearnedPlus : 0);
    case ekWrong: return 2 * Counts.Wrong;
    case ekHint: return 2 * Counts.Hint;
  }
  return 0;
}
