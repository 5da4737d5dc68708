#pragma once
// The four counters of a running examination and the texts of their status
// panels. Each text is the label followed by the decimal value.

#include <cstdint>
#include <string>

enum TCounterKind { ckAttempts = 0, ckQuestions = 1, ckLeft = 2, ckHints = 3 };

struct TExamCounters {
  int32_t Questions = 0;  // questions shown so far
  int32_t Attempts = 0;   // right choices plus first choices of wrong variants
  int32_t Left = 0;       // right answers still to give
  int32_t Hints = 0;      // hints taken

  // All zero, then Left := MaxQCount (only when an examination really starts).
  void Reset(int32_t LeftAtStart) { *this = TExamCounters{}; Left = LeftAtStart; }
  int32_t Value(TCounterKind Kind) const;
};

// "Attempts 3", "Questions 3", "Left 3", "Hints 3".
std::string CounterText(TCounterKind Kind, int32_t Value);
