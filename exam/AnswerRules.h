#pragma once
// What a choice, a hint and the end of a blink effect do to the card on
// screen and the counters. The window guards (no usable dictionary, an effect
// running) are checked by the caller before these run.

#include <cstdint>

#include "dictionary/ExamQuestion.h"
#include "exam/ExamCounters.h"

enum TEffectKind { ekRight = 0, ekWrong = 1, ekHint = 2 };

struct TChoiceResult {
  TEffectKind Kind = ekWrong;  // the sound and blink to run
  bool NewlyTried = false;     // a wrong variant chosen for the first time: repaint and disable it
};

// Marks variant Index as chosen and counts it: a right choice always, a wrong
// variant only the first time.
TChoiceResult ChooseVariant(TExamQuestion& Card, TExamCounters& Counters, int Index);

// Reveals the correct variant; false (nothing changed) when it is already hinted.
bool TakeHint(TExamQuestion& Card, TExamCounters& Counters);

// Where the keyboard focus goes when variant From is disabled: the first
// variant after From that is neither tried nor hinted, else the first such one
// before it; -1 when there is none. Count = variants in use.
int NextFocusVariant(const TExamQuestion& Card, int From, int Count);

// True when no variant other than the correct one is tried or hinted.
bool OnlyCorrectMarked(const TExamQuestion& Card, int Count);

enum TAfterEffect {
  aeNothing,       // a wrong choice: the user chooses again
  aeNextQuestion,  // the next question follows at once
  aeUnitAnswer     // a right answer that counts for the current unit
};

struct TAfterEffectInput {
  TEffectKind Kind = ekRight;
  bool IntervalPresent = false;   // units mode
  bool HasQuestionsLeft = false;  // the dictionary can still draw
  int32_t Attempts = 0;
  int32_t MaxQCount = 0;
};

// The decision taken when a blink effect has ended.
TAfterEffect EffectFinishedAction(const TAfterEffectInput& In);
