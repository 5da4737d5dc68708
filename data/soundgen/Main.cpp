// lexidrill-soundgen FOLDER: writes the default event sounds
// FOLDER/lexidrillsnd0.wav .. lexidrillsnd14.wav.
#include <cstdio>
#include <string>

#include "data/soundgen/EventSounds.h"
#include "data/soundgen/Synth.h"
#include "data/soundgen/WavFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: lexidrill-soundgen FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  for (int i = 0; i < EventSoundCount; ++i) {
    const std::string name = folder + "lexidrillsnd" + std::to_string(i) + ".wav";
    if (!WriteWavFile(name, EventSoundSamples(i), SampleRate)) {
      std::fprintf(stderr, "lexidrill-soundgen: cannot write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}
