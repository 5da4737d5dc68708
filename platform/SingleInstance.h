#pragma once
// The marker that lets only one copy of the program run, and the way a
// second copy reaches the first one's main window.

#include <string>

class TSingleInstance {
 public:
  virtual ~TSingleInstance() = default;
  // Takes the marker; false when another running copy holds it. A marker
  // left behind by a copy that died does not count.
  virtual bool TryLock() = 0;
  // Gives the marker up (nothing when it is not held).
  virtual void Unlock() = 0;
  // Asks the running copy whose main window is titled Title to come to the
  // front; false when no such window is found.
  virtual bool ActivateRunningCopy(const std::string& Title) = 0;
};
