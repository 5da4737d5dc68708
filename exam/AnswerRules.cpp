#include "exam/AnswerRules.h"

TChoiceResult ChooseVariant(TExamQuestion& Card, TExamCounters& Counters, int Index) {
  TChoiceResult r;
  TExamVariant& v = Card.Variants.at(static_cast<size_t>(Index));
  if (Index == Card.CorrectIndex) {
    v.Tried = true;
    ++Counters.Attempts;
    --Counters.Left;
    r.Kind = ekRight;
    return r;
  }
  r.Kind = ekWrong;
  if (!v.Tried) {
    v.Tried = true;
    ++Counters.Attempts;
    r.NewlyTried = true;
  }
  return r;
}

bool TakeHint(TExamQuestion& Card, TExamCounters& Counters) {
  TExamVariant& v = Card.Variants.at(static_cast<size_t>(Card.CorrectIndex));
  if (v.Hinted) return false;
  v.Hinted = true;
  ++Counters.Hints;
  return true;
}

int NextFocusVariant(const TExamQuestion& Card, int From, int Count) {
  auto open = [&](int i) { return !Card.Variants[static_cast<size_t>(i)].Tried && !Card.Variants[static_cast<size_t>(i)].Hinted; };
  for (int i = From + 1; i < Count; ++i)
    if (open(i)) return i;
  for (int i = 0; i < From && i < Count; ++i)
    if (open(i)) return i;
  return -1;
}

bool OnlyCorrectMarked(const TExamQuestion& Card, int Count) {
  for (int i = 0; i < Count; ++i) {
    if (i == Card.CorrectIndex) continue;
    const TExamVariant& v = Card.Variants[static_cast<size_t>(i)];
    if (v.Tried || v.Hinted) return false;
  }
  return true;
}

TAfterEffect EffectFinishedAction(const TAfterEffectInput& In) {
  switch (In.Kind) {
    case ekWrong: return aeNothing;
    case ekHint: return aeNextQuestion;
    case ekRight: break;
  }
  if (In.IntervalPresent && In.HasQuestionsLeft && In.Attempts != In.MaxQCount) return aeUnitAnswer;
  return aeNextQuestion;
}
