#include "settings/Settings.h"

#include "SettingsFixture.h"

namespace {

const char Sep = '\x01';

std::string Font9(const std::string& a, const std::string& b, const std::string& c, const std::string& d,
                  const std::string& e, const std::string& f, const std::string& g, const std::string& h,
                  const std::string& i) {
  return a + Sep + b + Sep + c + Sep + d + Sep + e + Sep + f + Sep + g + Sep + h + Sep + i;
}

TEST_F(SettingsTest, NoStoredValuesGiveAllDefaults) {
  LoadSettings(Store);
  const TSettings& s = Settings;
  EXPECT_EQ(s.ExecCount, 0);
  EXPECT_EQ(s.MainFormX, 65535);
  EXPECT_EQ(s.MainFormY, 65535);
  EXPECT_EQ(s.StartUpDict, "/opt/lexidrill/Dicts/lexidrill.lxd");
  EXPECT_EQ(s.MaxQCount, 30);
  EXPECT_EQ(s.CurAnswersCount, 5);
  EXPECT_EQ(s.IntervalMin, 3);
  EXPECT_TRUE(s.NewQPanelMaximized);
  EXPECT_EQ(s.ImportValue, "");
  EXPECT_EQ(s.ExportFName, "export.txt");
  EXPECT_EQ(s.NextUnKnown, 3);
  EXPECT_EQ(s.CurEWAFColor, 0x80000008u);
  EXPECT_TRUE(s.CurQFont.Bold);
  EXPECT_FALSE(s.CurAFont.Bold);
  EXPECT_TRUE(s.CurAIFont.StrikeOut);
  EXPECT_TRUE(s.CurAHFont.Underline);
  EXPECT_EQ(s.CurAHLFont.Color, 0xFF0000u);
  EXPECT_EQ(s.CurAFont.Name, "MS Sans Serif");
  EXPECT_EQ(s.CurAFont.Size, 10);
  for (int i = 0; i < SoundCount; ++i) {
    EXPECT_EQ(s.Sounds[i].Enabled, i != 4) << i;
    EXPECT_EQ(s.Sounds[i].FileName, "/opt/lexidrill/Sound/lexidrillsnd" + std::to_string(i) + ".wav");
  }
}

TEST_F(SettingsTest, SaveThenLoadGivesTheSameSettings) {
  Settings.MaxQCount = 200;
  Settings.IntervalSec = 45;
  Settings.StartUpDict = "/home/u/words, more.lxd";
  Settings.MainFormX = -20;
  Settings.CurQFont = {204, 0x123456, -16, "DejaVu Sans", 12, false, true, true, false};
  Settings.CurAHLFont.Name = "Ünïcode Face";
  Settings.Sounds[3] = {false, "/x/y.wav"};
  Settings.CurEHABColor = 0x80000005;
  Settings.ImportValue = "kept";
  Settings.NewQPanelMaximized = false;
  Settings.OptionsPage = 2;
  Settings.DictOptPage = 1;
  Settings.ExportBack = true;
  Settings.ExecCount = 7;
  ASSERT_TRUE(SaveSettings(Store));
  const TSettings written = Settings;
  EXPECT_EQ(written.ExecCount, 8);
  EXPECT_EQ(Store.Values.count("InstallDir"), 0u);
  EXPECT_EQ(Store.Values.at("OptionsPage"), "2");
  EXPECT_EQ(Store.Values.at("DictOptPage"), "1");
  EXPECT_EQ(Store.Values.at("ExportBack"), "1");
  EXPECT_EQ(Store.Values.at("CurEHABColor"), "-2147483643");

  Settings = TSettings();
  Settings.InstallDir = written.InstallDir;
  LoadSettings(Store);
  const TSettings& r = Settings;
  EXPECT_EQ(r.MaxQCount, 200);
  EXPECT_EQ(r.IntervalSec, 45);
  EXPECT_EQ(r.StartUpDict, written.StartUpDict);
  EXPECT_EQ(r.MainFormX, -20);
  EXPECT_EQ(r.CurQFont, written.CurQFont);
  EXPECT_EQ(r.CurAHLFont, written.CurAHLFont);
  EXPECT_EQ(r.Sounds, written.Sounds);
  EXPECT_EQ(r.CurEHABColor, 0x80000005u);
  EXPECT_EQ(r.ImportValue, "kept");
  EXPECT_FALSE(r.NewQPanelMaximized);
  EXPECT_EQ(r.OptionsPage, 2);
  EXPECT_EQ(r.DictOptPage, 1);
  EXPECT_TRUE(r.ExportBack);
  EXPECT_EQ(r.ExecCount, 8);
}

struct TStoredCase {
  const char* Name;
  const char* Value;
  bool Reset;
};

class StoredValueTest : public SettingsTest, public ::testing::WithParamInterface<TStoredCase> {};

// One stored value on top of a valid set: accepted, or every resettable value
// back to its default.
TEST_P(StoredValueTest, AcceptedOrResetsAll) {
  Settings.MaxQCount = 100;  // a non-default value that shows the reset
  Settings.CurAFont.Size = 14;
  Settings.CurQBGColor = 0x010203;
  Settings.Sounds[0].Enabled = false;
  Settings.StartUpDict = "/d/mine.lxd";
  Settings.MainFormX = 10;
  Settings.ImportValue = "iv";
  Settings.NewQPanelMaximized = false;
  Settings.ExecCount = 41;
  StoreValidSettings();
  Store.Values[GetParam().Name] = GetParam().Value;
  Settings = TSettings();
  Settings.InstallDir = "/opt/lexidrill/";
  LoadSettings(Store);
  if (GetParam().Reset) {
    EXPECT_EQ(Settings.MaxQCount, 30);
    EXPECT_EQ(Settings.CurAFont.Size, 10);
    EXPECT_EQ(Settings.CurQBGColor, 0xF3CABCu);
    EXPECT_TRUE(Settings.Sounds[0].Enabled);
    EXPECT_EQ(Settings.Sounds[0].FileName, "/opt/lexidrill/Sound/lexidrillsnd0.wav");
  } else {
    EXPECT_EQ(Settings.CurAFont.Size, 14);
    EXPECT_EQ(Settings.CurQBGColor, 0x010203u);
    EXPECT_FALSE(Settings.Sounds[0].Enabled);
  }
  // Never reset.
  EXPECT_EQ(Settings.StartUpDict, "/d/mine.lxd");
  EXPECT_EQ(Settings.MainFormX, 10);
  EXPECT_EQ(Settings.ImportValue, "iv");
  EXPECT_FALSE(Settings.NewQPanelMaximized);
  EXPECT_EQ(Settings.ExecCount, 42);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, StoredValueTest,
    ::testing::Values(TStoredCase{"IntervalMin", "99", false}, TStoredCase{"IntervalMin", "100", true},
                      TStoredCase{"IntervalMin", "-1", true}, TStoredCase{"IntervalSec", "75", false},
                      TStoredCase{"IntervalSec", "100", true}, TStoredCase{"IntervalQCount", "0", true},
                      TStoredCase{"IntervalQCount", "99", false}, TStoredCase{"CurAnswersCount", "3", false},
                      TStoredCase{"CurAnswersCount", "17", true}, TStoredCase{"CurAnswersCount", "2", true},
                      TStoredCase{"MaxQCount", "5", true}, TStoredCase{"MaxQCount", "1000", false},
                      TStoredCase{"MaxQCount", "1001", true}, TStoredCase{"CurSizeY", "8", false},
                      TStoredCase{"CurSizeY", "9", true}, TStoredCase{"CurSizeY", "-1", true},
                      // 65541 is cut to 16 bits (5) before the check
                      TStoredCase{"CurAnswersCount", "65541", false},
                      // malformed values take their defaults, and those pass
                      TStoredCase{"MaxQCount", "abc", false}, TStoredCase{"MaxQCount", " 30", false},
                      TStoredCase{"MaxQCount", "0x20", false}, TStoredCase{"MaxQCount", "99999999999", false},
                      TStoredCase{"CurQFont", "", true}, TStoredCase{"CurAFont", "garbage", true},
                      TStoredCase{"CurAIFont", "1\x01" "2\x01" "3\x01" "F\x01" "10\x01" "0\x01" "0\x01" "0", true},
                      TStoredCase{"CurAHFont", "1\x01" "2\x01" "3\x01" "F\x01" "x\x01" "0\x01" "0\x01" "0\x01" "0", true},
                      TStoredCase{"CurAHLFont", "broken", false}));

TEST_F(SettingsTest, MissingValuesTakeTheirOwnDefaults) {
  StoreValidSettings();
  Store.Values.erase("SndFName_3");
  Store.Values.erase("SndON_4");
  Store.Values.erase("MainFormY");
  Store.Values["MaxQCount"] = "12x";
  Store.Values["SoundON"] = "7";
  LoadSettings(Store);
  EXPECT_EQ(Settings.Sounds[3].FileName, "lexidrillsnd3.wav");
  EXPECT_TRUE(Settings.Sounds[4].Enabled);
  EXPECT_EQ(Settings.MainFormY, 65535);
  EXPECT_EQ(Settings.MaxQCount, 30);
  EXPECT_TRUE(Settings.SoundON);
}

TEST_F(SettingsTest, UndecodableHighlightFontKeepsItsDefault) {
  Settings.CurAFont.Size = 14;
  StoreValidSettings();
  Store.Values["CurAHLFont"] = "1\x01" "2";
  Settings = TSettings();
  LoadSettings(Store);
  EXPECT_EQ(Settings.CurAFont.Size, 14);  // not reset
  EXPECT_EQ(Settings.CurAHLFont.Color, 0xFF0000u);
  EXPECT_EQ(Settings.CurAHLFont.Name, "MS Sans Serif");
}

TEST_F(SettingsTest, ExecCountWrapsAtSixteenBits) {
  Settings.ExecCount = 32767;
  SaveSettings(Store);
  EXPECT_EQ(Store.Values.at("ExecCount"), "-32768");
  Settings.ExecCount = -1;
  SaveSettings(Store);
  EXPECT_EQ(Settings.ExecCount, 0);  // the next start is a first run again
}

TEST_F(SettingsTest, FailedWriteIsReported) {
  Store.FailFlush = true;
  EXPECT_FALSE(SaveSettings(Store));
}

TEST_F(SettingsTest, InstallDirGetsItsSlashAndSurvivesDefaults) {
  Settings.InstallDir = "/opt/x";
  Settings.StartUpDict.clear();
  LoadSettings(Store);
  EXPECT_EQ(Settings.InstallDir, "/opt/x/");
  EXPECT_EQ(Settings.StartUpDict, "/opt/x/Dicts/lexidrill.lxd");
  Settings.StartUpDict = "/keep.lxd";
  SetDefaultSettings();
  EXPECT_EQ(Settings.InstallDir, "/opt/x/");
  EXPECT_EQ(Settings.StartUpDict, "/keep.lxd");
}

TEST(FontStrings, EncodesNineFields) {
  TFontRecord f{1, 255, -13, "MS Sans Serif", 10, true, false, false, false};
  EXPECT_EQ(FontToString(f), Font9("1", "255", "-13", "MS Sans Serif", "10", "1", "0", "0", "0"));
  EXPECT_EQ(FontToString(std::optional<TFontRecord>()), "");
  TFontRecord g{0, 0x80000008, 20, "", 8, false, true, true, true};
  EXPECT_EQ(StringToFont(FontToString(g)), g);
}

TEST(FontStrings, Decodes) {
  auto f = StringToFont(Font9("204", "-2147483640", "-16", "Face", "12", "0", "5", "0", "1"));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->Charset, 204);
  EXPECT_EQ(f->Color, 0x80000008u);
  EXPECT_EQ(f->Height, -16);
  EXPECT_EQ(f->Name, "Face");
  EXPECT_EQ(f->Size, 12);
  EXPECT_FALSE(f->Bold);
  EXPECT_TRUE(f->Italic);  // any non-zero flag
  EXPECT_TRUE(f->StrikeOut);
  // The face is cut to 255 bytes, at a character boundary.
  std::string longFace = "a" + std::string(200, 'b');
  for (int i = 0; i < 30; ++i) longFace += "\xC3\xA9";
  auto g = StringToFont(Font9("1", "0", "0", longFace, "10", "0", "0", "0", "0"));
  ASSERT_TRUE(g);
  EXPECT_EQ(g->Name.size(), 255u);
  EXPECT_EQ(g->Name, longFace.substr(0, 255));
  auto h = StringToFont(Font9("1", "0", "0", "\xC3\xA9" + std::string(253, 'x') + "\xC3\xA9", "10", "0", "0", "0", "0"));
  ASSERT_TRUE(h);
  EXPECT_EQ(h->Name.size(), 255u);
}

TEST(FontStrings, BrokenEncodingsGiveNoFont) {
  const std::string broken[] = {
      "",
      Font9("1", "0", "0", "F", "10", "0", "0", "0", "0").substr(2),  // eight fields
      Font9("", "0", "0", "F", "10", "0", "0", "0", "0"),
      Font9("1", "red", "0", "F", "10", "0", "0", "0", "0"),
      Font9("1", "0", "0", "F", "10", "0", "0", "0", ""),
      Font9("1", "0", "0", "F", "1.5", "0", "0", "0", "0"),
      std::string("X") + Sep + Font9("1", "0", "0", "F", "10", "0", "0", "0", "0"),  // ten fields
  };
  for (const auto& text : broken) EXPECT_FALSE(StringToFont(text)) << text;
}

TEST(SizeStepsTable, HoldsNineSteps) {
  EXPECT_EQ(SizeSteps.size(), 9u);
  EXPECT_EQ(SizeSteps[0].QuestionHeight, 18);
  EXPECT_EQ(SizeSteps[0].AnswerHeight, 16);
  EXPECT_EQ(SizeSteps[8].QuestionHeight, 58);
  EXPECT_EQ(SizeSteps[8].AnswerHeight, 41);
}

}  // namespace
