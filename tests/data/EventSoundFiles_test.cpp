#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "settings/Folders.h"
#include "settings/Settings.h"
#include "tests/data/DataFiles.h"

namespace {

uint32_t Le(const std::string& B, size_t At, int Bytes) {
  uint32_t v = 0;
  for (int i = Bytes - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(B[At + i]);
  return v;
}

// The parts of a RIFF WAVE file a player relies on, read chunk by chunk.
struct TWav {
  bool Valid = false;
  std::string Error;
  uint32_t Format = 0, Channels = 0, Rate = 0, ByteRate = 0, BlockAlign = 0, Bits = 0;
  std::string Data;
  double Seconds() const { return ByteRate ? static_cast<double>(Data.size()) / ByteRate : 0; }
  int16_t Sample(size_t i) const { return static_cast<int16_t>(Le(Data, i * 2, 2)); }
  size_t Samples() const { return Data.size() / 2; }
};

TWav ParseWav(const std::string& B) {
  TWav w;
  if (B.size() < 12 || B.compare(0, 4, "RIFF") != 0 || B.compare(8, 4, "WAVE") != 0) {
    w.Error = "no RIFF WAVE header";
    return w;
  }
  if (Le(B, 4, 4) != B.size() - 8) {
    w.Error = "RIFF size does not match the file";
    return w;
  }
  bool fmt = false;
  for (size_t at = 12; at + 8 <= B.size();) {
    const std::string id = B.substr(at, 4);
    const uint32_t size = Le(B, at + 4, 4);
    if (at + 8 + size > B.size()) {
      w.Error = "chunk " + id + " runs past the end";
      return w;
    }
    if (id == "fmt " && size >= 16) {
      fmt = true;
      w.Format = Le(B, at + 8, 2);
      w.Channels = Le(B, at + 10, 2);
      w.Rate = Le(B, at + 12, 4);
      w.ByteRate = Le(B, at + 16, 4);
      w.BlockAlign = Le(B, at + 20, 2);
      w.Bits = Le(B, at + 22, 2);
    } else if (id == "data") {
      w.Data = B.substr(at + 8, size);
    }
    at += 8 + size + (size & 1);
  }
  if (!fmt) w.Error = "no fmt chunk";
  else if (w.Data.empty()) w.Error = "no samples";
  else w.Valid = true;
  return w;
}

class EventSoundFileTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    Settings = TSettings();
    Settings.InstallDir = BuildPath();
  }
};

// Every event's default file is there and is mono 16-bit PCM that a sound
// service plays as it is.
TEST_P(EventSoundFileTest, IsAShortQuietPcmWave) {
  const std::string name = DefaultSoundFile(GetParam());
  const std::string bytes = ReadBytes(name);
  ASSERT_FALSE(bytes.empty()) << name << " is missing";
  const TWav w = ParseWav(bytes);
  ASSERT_TRUE(w.Valid) << name << ": " << w.Error;
  EXPECT_EQ(w.Format, 1u);
  EXPECT_EQ(w.Channels, 1u);
  EXPECT_EQ(w.Bits, 16u);
  EXPECT_GE(w.Rate, 8000u);
  EXPECT_LE(w.Rate, 48000u);
  EXPECT_EQ(w.BlockAlign, w.Channels * w.Bits / 8);
  EXPECT_EQ(w.ByteRate, w.Rate * w.BlockAlign);
  EXPECT_EQ(w.Data.size() % w.BlockAlign, 0u);
  EXPECT_GE(w.Seconds(), 0.02);
  EXPECT_LE(w.Seconds(), 1.0);

  int peak = 0;
  for (size_t i = 0; i < w.Samples(); ++i) peak = std::max(peak, std::abs(static_cast<int>(w.Sample(i))));
  EXPECT_GT(peak, 32767 / 20) << "too faint to hear";
  EXPECT_LE(peak, 32767 / 2) << "louder than half of full scale";
  // Starting and ending at rest: no click when a sound is cut off or ends.
  EXPECT_LE(std::abs(w.Sample(0)), 32767 / 100);
  EXPECT_LE(std::abs(w.Sample(w.Samples() - 1)), 32767 / 100);
}

INSTANTIATE_TEST_SUITE_P(AllEvents, EventSoundFileTest, ::testing::Range(0, 15));

TEST(EventSoundFiles, EveryEventSoundsDifferent) {
  Settings = TSettings();
  Settings.InstallDir = BuildPath();
  std::set<std::string> samples;
  for (int i = 0; i < 15; ++i) samples.insert(ParseWav(ReadBytes(DefaultSoundFile(i))).Data);
  EXPECT_EQ(samples.size(), 15u);
}

// Zero crossings per second: for these tonal sounds, twice the pitch.
double CrossingsPerSecond(const TWav& W) {
  int crossings = 0;
  for (size_t i = 1; i < W.Samples(); ++i) crossings += (W.Sample(i - 1) < 0) != (W.Sample(i) < 0);
  return crossings / W.Seconds();
}

// The five results, "super good" to "very bad", sound lower and lower.
TEST(EventSoundFiles, ResultSoundsFallFromBestToWorst) {
  Settings = TSettings();
  Settings.InstallDir = BuildPath();
  double previous = 1e9;
  for (int i = 10; i <= 14; ++i) {
    const TWav w = ParseWav(ReadBytes(DefaultSoundFile(i)));
    ASSERT_TRUE(w.Valid) << i;
    const double pitch = CrossingsPerSecond(w);
    EXPECT_LT(pitch, previous) << "sound " << i;
    previous = pitch;
  }
}

}  // namespace
