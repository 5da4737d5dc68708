#pragma once
// Units mode: the program counts right answers and, after a unit of them,
// hides itself for a pause. These are the decisions; the window only hides,
// starts its timer and shows itself again.

#include <cstdint>

#include "exam/AnswerRules.h"

enum TUnitStep {
  usNothing,       // a wrong choice: the question stays open
  usNextQuestion,  // the next question follows at once
  usStartPause     // the unit is complete: hide, the next question comes after the pause
};

// What follows the end of a blink effect. A right answer that counts for the
// unit raises UnitCount; when it reaches IntervalQCount the count starts over
// at 0 and the pause begins. A unit below 1 answer (never accepted from the
// settings) is taken as 1, so a pause cannot be skipped forever.
TUnitStep UnitStepAfterEffect(const TAfterEffectInput& In, int32_t& UnitCount, int32_t IntervalQCount);

// (IntervalMin x 60 + IntervalSec) x 1000; negative parts count as 0.
int64_t PauseMilliseconds(int32_t IntervalMin, int32_t IntervalSec);

// A pause of 0:00 never ends by itself: no timer is started for it and the
// program stays hidden until the user calls it up.
inline bool PauseExpires(int32_t IntervalMin, int32_t IntervalSec) {
  return PauseMilliseconds(IntervalMin, IntervalSec) > 0;
}
