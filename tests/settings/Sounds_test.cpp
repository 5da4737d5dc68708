#include "settings/Sounds.h"

#include "SettingsFixture.h"
#include "platform/SoundPlayer.h"

namespace {

class TFakePlayer final : public TSoundPlayer {
 public:
  TFakePlayer() { SetSoundPlayer(this); }
  ~TFakePlayer() override { SetSoundPlayer(nullptr); }
  bool Play(const std::string& FileName, bool NoStop) override {
    Played.push_back({FileName, NoStop});
    return true;
  }
  std::vector<std::pair<std::string, bool>> Played;
};

TEST_F(SettingsTest, EventSoundSwitches) {
  SetDefaultSettings();
  TFakePlayer player;
  PlayEventSound(4, true);  // off by default
  PlayEventSound(15, false);
  PlayEventSound(-1, false);
  PlayEventSound(0, false);
  PlayEventSound(14, true);
  ASSERT_EQ(player.Played.size(), 2u);
  EXPECT_EQ(player.Played[0], std::make_pair(std::string("/opt/lexidrill/Sound/lexidrillsnd0.wav"), false));
  EXPECT_EQ(player.Played[1], std::make_pair(std::string("/opt/lexidrill/Sound/lexidrillsnd14.wav"), true));

  Settings.SoundON = false;
  PlayEventSound(0, false);
  EXPECT_EQ(player.Played.size(), 2u);
  EXPECT_TRUE(PlaySoundFile("/any.wav", false));  // the dialog's Play ignores the switches
  EXPECT_EQ(player.Played.size(), 3u);

  Settings.SoundON = true;
  Settings.Sounds[7].Enabled = false;
  PlayEventSound(7, false);
  EXPECT_EQ(player.Played.size(), 3u);
}

TEST(SoundNames, Table) {
  EXPECT_EQ(SoundEventName(0), "Right answer");
  EXPECT_EQ(SoundEventName(4), "Answer selection");
  EXPECT_EQ(SoundEventName(5), "Hello!");
  EXPECT_EQ(SoundEventName(8), ";))");
  EXPECT_EQ(SoundEventName(14), "Test - very bad");
  EXPECT_EQ(SoundEventName(15), "Sound N15");
  EXPECT_EQ(SoundEventName(-2), "Sound N-2");
}

TEST(SoundNames, NoPlayerPlaysNothing) { EXPECT_FALSE(PlaySoundFile("/a.wav", false)); }

}  // namespace
