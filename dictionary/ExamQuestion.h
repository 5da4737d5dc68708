#pragma once
#include <array>
#include <cstdint>
#include <string>

// One answer variant of the question on screen.
struct TExamVariant {
  std::string Text;
  bool Tried = false;   // chosen by the user, right or wrong
  bool Hinted = false;  // revealed by a hint (only ever the correct one)
};

// The card of the question on screen: owned by the main window, filled by the
// dictionary, handed back so the dictionary can record its outcome. Only the
// first CurAnswersCount variants are used. A value-initialised card is the
// "cleared" card shown when no usable dictionary is open.
struct TExamQuestion {
  static constexpr int MaxVariants = 16;
  std::string Question;
  std::array<TExamVariant, MaxVariants> Variants{};
  int32_t CorrectIndex = 0;
};
