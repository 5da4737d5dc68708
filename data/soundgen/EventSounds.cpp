#include "data/soundgen/EventSounds.h"

#include "data/soundgen/Synth.h"

namespace {

// Equal-tempered pitches used below.
constexpr double G3 = 196.00, Fs3 = 185.00, F3 = 174.61, E3 = 164.81;
constexpr double C4 = 261.63, Eb4 = 311.13, G4 = 392.00, A4 = 440.00;
constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99, B5 = 987.77;
constexpr double C6 = 1046.50, D6 = 1174.66, E6 = 1318.51, G6 = 1567.98;

TNote Bell(double Start, double Freq, double Length, double Decay, double Gain = 1) {
  return {.Start = Start, .Length = Length, .Freq = Freq, .Wave = TWave::wvBell, .Gain = Gain, .Decay = Decay};
}

// Peaks stay well below full scale: these play beside other work all day,
// and the harsh shapes are kept quieter still because they sound louder.
constexpr double Soft = 0.22, Normal = 0.32;

}  // namespace

std::vector<int16_t> EventSoundSamples(int Index) {
  switch (Index) {
    case 0:  // right answer: a bright rising fourth
      return TSound(0.38).Add(Bell(0, B5, 0.12, 0.08)).Add(Bell(0.09, E6, 0.29, 0.12)).Render(Normal);
    case 1:  // wrong answer: two low square waves a semitone apart, buzzing and falling
      return TSound(0.34)
          .Add({.Length = 0.34, .Freq = 150, .FreqEnd = 118, .Wave = TWave::wvSquare})
          .Add({.Length = 0.34, .Freq = 159, .FreqEnd = 125, .Wave = TWave::wvSquare})
          .Render(Soft);
    case 2:  // back from the tray: a quick upward sweep
      return TSound(0.24)
          .Add({.Length = 0.16, .Freq = 380, .FreqEnd = 1250, .Decay = 0.3})
          .Add(Bell(0.15, 1250, 0.09, 0.04, 0.7))
          .Render(Normal);
    case 3:  // about box: a calm broken major chord
      return TSound(0.55).Add(Bell(0, C5, 0.3, 0.15)).Add(Bell(0.1, E5, 0.3, 0.15)).Add(Bell(0.2, G5, 0.35, 0.18))
          .Render(Normal);
    case 4:  // answer selection: a barely-there tick, played often
      return TSound(0.04).Add({.Length = 0.04, .Freq = 1800, .Decay = 0.01}).Render(0.12);
    case 5:  // hello: a rising four-note greeting
      return TSound(0.72)
          .Add(Bell(0, C5, 0.12, 0.1))
          .Add(Bell(0.09, E5, 0.12, 0.1))
          .Add(Bell(0.18, G5, 0.12, 0.1))
          .Add(Bell(0.27, C6, 0.45, 0.22))
          .Render(Normal);
    case 6:  // author line: two plucked notes
      return TSound(0.32)
          .Add({.Length = 0.16, .Freq = A4, .Wave = TWave::wvSaw, .Decay = 0.05})
          .Add({.Start = 0.12, .Length = 0.2, .Freq = E5, .Wave = TWave::wvSaw, .Decay = 0.06})
          .Render(Soft);
    case 7:  // hint: a soft questioning rise
      return TSound(0.32).Add({.Length = 0.32, .Freq = G5, .FreqEnd = D6, .Gain = 1, .Decay = 0.2}).Render(Soft);
    case 8:  // ";))": a playful warble
      return TSound(0.42)
          .Add({.Length = 0.42, .Freq = 900, .Decay = 0.35, .VibratoRate = 14, .VibratoDepth = 160})
          .Render(Soft);
    case 9:  // ":)": two happy chirps
      return TSound(0.22)
          .Add({.Length = 0.08, .Freq = 800, .FreqEnd = 1600})
          .Add({.Start = 0.11, .Length = 0.1, .Freq = 1000, .FreqEnd = 2000})
          .Render(Soft);
    case 10:  // test super good: a fanfare ending on a full chord
      return TSound(0.95)
          .Add(Bell(0, C5, 0.1, 0.08))
          .Add(Bell(0.08, E5, 0.1, 0.08))
          .Add(Bell(0.16, G5, 0.1, 0.08))
          .Add(Bell(0.24, C6, 0.1, 0.08))
          .Add(Bell(0.32, C6, 0.63, 0.3))
          .Add(Bell(0.32, E6, 0.63, 0.3, 0.8))
          .Add(Bell(0.32, G6, 0.63, 0.3, 0.6))
          .Render(Normal);
    case 11:  // test very good: a major chord, broken
      return TSound(0.7).Add(Bell(0, C5, 0.2, 0.12)).Add(Bell(0.12, E5, 0.2, 0.12)).Add(Bell(0.24, G5, 0.46, 0.25))
          .Render(Normal);
    case 12:  // test good: a plain step up, nothing more
      return TSound(0.5).Add(Bell(0, G4, 0.2, 0.12)).Add(Bell(0.16, C5, 0.34, 0.18)).Render(Normal);
    case 13:  // test bad: a falling minor third, dull
      return TSound(0.62)
          .Add({.Length = 0.26, .Freq = Eb4, .Wave = TWave::wvSaw, .Decay = 0.4})
          .Add({.Start = 0.28, .Length = 0.34, .Freq = C4, .Wave = TWave::wvSaw, .Decay = 0.3})
          .Render(Soft);
    case 14:  // test very bad: the sad trombone, sliding down
      return TSound(0.98)
          .Add({.Length = 0.2, .Freq = G3, .Wave = TWave::wvSaw})
          .Add({.Start = 0.21, .Length = 0.2, .Freq = Fs3, .Wave = TWave::wvSaw})
          .Add({.Start = 0.42, .Length = 0.2, .Freq = F3, .Wave = TWave::wvSaw})
          .Add({.Start = 0.63, .Length = 0.35, .Freq = E3, .Wave = TWave::wvSaw, .Decay = 0.4,
                .VibratoRate = 6, .VibratoDepth = 4})
          .Render(Soft);
  }
  return {};
}
