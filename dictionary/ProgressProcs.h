#pragma once
// The ten replaceable progress operations. Code that reports progress calls
// the entries only (begin, any number of steps, ticks and texts, end) and
// never knows whether a window is shown. The defaults only keep one flag
// telling whether an operation runs; the progress window replaces entries
// 5 to 10 with its own. Entries 1 to 4 are never replaced.

#include <cstdint>
#include <functional>
#include <string>

struct TProgressProcs {
  std::function<void(uint8_t Kind, const std::string& Text1, const std::string& Text2)> QuietBegin;
  std::function<void()> QuietEnd;
  std::function<bool()> QuietTick;
  std::function<bool(const std::string& Text)> QuietText;
  std::function<void(const std::string& Caption, int32_t Steps)> BeginProgress;
  std::function<void(const std::string& Caption, int32_t Steps)> BeginProgressKeepForms;
  std::function<void(const std::string& Text, int32_t Min, int32_t Max, int32_t Position)> ProgressStep;
  std::function<bool()> ProgressTick;
  std::function<void()> EndProgress;
  std::function<bool(const std::string& Text)> ProgressText;
};

// The process-wide table, filled with the defaults before main runs.
TProgressProcs& ProgressProcs();

// Puts every entry back to its default and clears the flag.
void SetDefaultProgressProcs();

// The defaults' flag: true between a quiet or progress begin and its end.
bool ProgressFlag();
