#include "settings/Sounds.h"

#include "platform/SoundPlayer.h"
#include "settings/Settings.h"

namespace {

TSoundPlayer* CurrentPlayer = nullptr;

const char* const EventNames[SoundCount] = {
    "Right answer", "Wrong answer", "Program popup",     "About",           "Answer selection",
    "Hello!",       "Author",       "Hint",              ";))",             ":)",
    "Test - super good", "Test - very good", "Test - good", "Test - bad", "Test - very bad"};

}  // namespace

void SetSoundPlayer(TSoundPlayer* Player) { CurrentPlayer = Player; }

void PlayEventSound(int Index, bool NoStop) {
  if (Index < 0 || Index >= SoundCount) return;
  if (!Settings.SoundON || !Settings.Sounds[Index].Enabled) return;
  PlaySoundFile(Settings.Sounds[Index].FileName, NoStop);
}

bool PlaySoundFile(const std::string& FileName, bool NoStop) {
  return CurrentPlayer && CurrentPlayer->Play(FileName, NoStop);
}

std::string SoundEventName(int Index) {
  if (Index < 0 || Index >= SoundCount) return "Sound N" + std::to_string(Index);
  return EventNames[Index];
}
