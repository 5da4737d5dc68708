#pragma once
// Plays short sound files asynchronously. A new sound cuts off the one still
// playing, unless NoStop is set: then a sound still playing is left alone and
// the new one is dropped. A file that cannot be read plays the desktop's
// default event sound instead. Never blocks, never shows an error.

#include <string>

class TSoundPlayer {
 public:
  virtual ~TSoundPlayer() = default;
  // Returns whether playback was started; no caller relies on it.
  virtual bool Play(const std::string& FileName, bool NoStop) = 0;
};
