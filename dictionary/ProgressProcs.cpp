#include "dictionary/ProgressProcs.h"

namespace {

bool flag = false;

TProgressProcs Defaults() {
  TProgressProcs p;
  p.QuietBegin = [](uint8_t, const std::string&, const std::string&) { flag = true; };
  p.QuietEnd = [] { flag = false; };
  p.QuietTick = [] { return flag; };
  p.QuietText = [](const std::string&) { return flag; };
  p.BeginProgress = [](const std::string&, int32_t) {};
  p.BeginProgressKeepForms = [](const std::string&, int32_t) {};
  p.ProgressStep = [](const std::string&, int32_t, int32_t, int32_t) {};
  p.ProgressTick = [] { return flag; };
  p.EndProgress = [] { flag = false; };
  p.ProgressText = [](const std::string&) { return flag; };
  return p;
}

}  // namespace

TProgressProcs& ProgressProcs() {
  static TProgressProcs table = Defaults();
  return table;
}

void SetDefaultProgressProcs() {
  ProgressProcs() = Defaults();
  flag = false;
}

bool ProgressFlag() { return flag; }
