#include "data/soundgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Attack = 0.004;   // short enough to sound struck, long enough not to click
constexpr double Release = 0.015;

// One period of the wave at phase p (radians), its harmonics kept below the
// Nyquist frequency so that high notes do not alias.
double WaveAt(TWave Wave, double p, double Freq) {
  const int top = std::max(1, static_cast<int>(SampleRate / 2 / Freq));
  double v = 0;
  switch (Wave) {
    case TWave::wvSine:
      return std::sin(p);
    case TWave::wvBell:
      return std::sin(p) + (top >= 2 ? 0.35 * std::sin(2 * p) : 0) + (top >= 3 ? 0.15 * std::sin(3 * p) : 0);
    case TWave::wvSquare:
      for (int k = 1; k <= std::min(top, 25); k += 2) v += std::sin(k * p) / k;
      return v;
    case TWave::wvSaw:
      for (int k = 1; k <= std::min(top, 25); ++k) v += std::sin(k * p) / k;
      return v * 0.6;
  }
  return 0;
}

double Envelope(const TNote& Note, double t) {
  double e = 1;
  if (t < Attack) e = t / Attack;
  const double left = Note.Length - t;
  if (left < Release) e *= std::max(0.0, left / Release);
  if (Note.Decay > 0) e *= std::exp(-t / Note.Decay);
  return e;
}

}  // namespace

TSound::TSound(double Seconds) : FSeconds(Seconds) {}

TSound& TSound::Add(const TNote& Note) {
  FNotes.push_back(Note);
  return *this;
}

std::vector<int16_t> TSound::Render(double Peak) const {
  const auto total = static_cast<size_t>(FSeconds * SampleRate);
  std::vector<double> mix(total, 0.0);
  for (const TNote& n : FNotes) {
    const auto first = static_cast<size_t>(n.Start * SampleRate);
    const auto count = static_cast<size_t>(n.Length * SampleRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < total; ++i) {
      const double t = static_cast<double>(i) / SampleRate;
      double f = n.FreqEnd > 0 ? n.Freq + (n.FreqEnd - n.Freq) * t / n.Length : n.Freq;
      if (n.VibratoRate > 0) f += n.VibratoDepth * std::sin(2 * std::numbers::pi * n.VibratoRate * t);
      mix[first + i] += n.Gain * Envelope(n, t) * WaveAt(n.Wave, phase, f);
      phase += 2 * std::numbers::pi * f / SampleRate;
    }
  }
  double top = 0;
  for (double v : mix) top = std::max(top, std::abs(v));
  const double scale = top > 0 ? Peak * 32767 / top : 0;
  std::vector<int16_t> out(total);
  std::transform(mix.begin(), mix.end(), out.begin(),
                 [&](double v) { return static_cast<int16_t>(std::lround(v * scale)); });
  return out;
}
