#include "exam/ExamCounters.h"

int32_t TExamCounters::Value(TCounterKind Kind) const {
  switch (Kind) {
    case ckAttempts: return Attempts;
    case ckQuestions: return Questions;
    case ckLeft: return Left;
    case ckHints: return Hints;
  }
  return 0;
}

std::string CounterText(TCounterKind Kind, int32_t Value) {
  static const char* const labels[] = {"Attempts ", "Questions ", "Left ", "Hints "};
  return labels[Kind] + std::to_string(Value);
}
