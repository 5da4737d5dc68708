#pragma once
// Event sounds through libcanberra, the desktop's event-sound service. The
// connection is opened at the first sound; where there is no sound server it
// fails once and every later sound is dropped quietly.

#include "platform/SoundPlayer.h"

struct ca_context;

class TCanberraSoundPlayer final : public TSoundPlayer {
 public:
  TCanberraSoundPlayer() = default;
  ~TCanberraSoundPlayer() override;
  TCanberraSoundPlayer(const TCanberraSoundPlayer&) = delete;
  TCanberraSoundPlayer& operator=(const TCanberraSoundPlayer&) = delete;

  bool Play(const std::string& FileName, bool NoStop) override;

 private:
  ca_context* Context();

  ca_context* Ctx = nullptr;
  bool OpenFailed = false;
};
