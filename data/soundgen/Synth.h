#pragma once
// A tiny additive synthesiser for the event sounds: notes of a few wave
// shapes with a glide, a vibrato and an envelope, mixed into one mono
// buffer and scaled to a chosen peak.

#include <cstdint>
#include <vector>

constexpr int SampleRate = 22050;

enum class TWave {
  wvSine,
  wvBell,    // sine with a few decaying overtones: chimes and marimba-like notes
  wvSquare,  // odd harmonics only: hollow and harsh
  wvSaw,     // all harmonics: brassy
};

struct TNote {
  double Start = 0;         // seconds from the start of the sound
  double Length = 0.1;      // seconds
  double Freq = 440;        // Hz at the start
  double FreqEnd = 0;       // Hz at the end (0: no glide)
  TWave Wave = TWave::wvSine;
  double Gain = 1;          // relative loudness within the sound
  double Decay = 0;         // seconds for the level to fall to 1/e; 0 holds it
  double VibratoRate = 0;   // Hz
  double VibratoDepth = 0;  // Hz either side
};

class TSound {
 public:
  // Seconds is the length of the whole sound; notes are cut at its end.
  explicit TSound(double Seconds);
  TSound& Add(const TNote& Note);
  // 16-bit samples whose largest magnitude is Peak (0..1) of full scale.
  std::vector<int16_t> Render(double Peak) const;

 private:
  double FSeconds;
  std::vector<TNote> FNotes;
};
