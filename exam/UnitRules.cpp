#include "exam/UnitRules.h"

#include <algorithm>

TUnitStep UnitStepAfterEffect(const TAfterEffectInput& In, int32_t& UnitCount, int32_t IntervalQCount) {
  switch (EffectFinishedAction(In)) {
    case aeNothing: return usNothing;
    case aeNextQuestion: return usNextQuestion;
    case aeUnitAnswer: break;
  }
  ++UnitCount;
  if (UnitCount < std::max<int32_t>(IntervalQCount, 1)) return usNextQuestion;
  UnitCount = 0;
  return usStartPause;
}

int64_t PauseMilliseconds(int32_t IntervalMin, int32_t IntervalSec) {
  return (int64_t{std::max(IntervalMin, 0)} * 60 + std::max(IntervalSec, 0)) * 1000;
}
