#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/qt/QtSettingsStore.h"
#include "settings/CommandLine.h"
#include "settings/Settings.h"

namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Path = Dir.filePath("Kelvane/Lexidrill.ini");
    Settings = TSettings();
    Settings.InstallDir = "/opt/lexidrill/";
    ResetCommandLine();
  }
  void TearDown() override { Settings = TSettings(); }
  void WriteFile(const QByteArray& Text) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Text);
  }
  QTemporaryDir Dir;
  QString Path;
};

TEST_F(SettingsFileTest, SettingsRoundTripThroughTheFile) {
  Settings.MaxQCount = 120;
  Settings.StartUpDict = "/home/u/a, b; \"c\" @d.lxd";
  Settings.CurQFont = {1, 0x123456, -13, "DejaVu Sans", 12, true, false, true, false};  // \x01 and digits
  Settings.Sounds[2].FileName = "/snd/ü.wav";
  Settings.ImportValue = "@value";
  {
    TQtSettingsStore store(Path);
    ASSERT_TRUE(SaveSettings(store));
  }
  const TSettings written = Settings;
  ASSERT_TRUE(QFile::exists(Path));  // the folder was made
  Settings = TSettings();
  Settings.InstallDir = "/opt/lexidrill/";
  TQtSettingsStore store(Path);
  EXPECT_TRUE(store.SubKeys().empty());
  LoadSettings(store);
  EXPECT_EQ(Settings.MaxQCount, 120);
  EXPECT_EQ(Settings.StartUpDict, written.StartUpDict);
  EXPECT_EQ(Settings.CurQFont, written.CurQFont);
  EXPECT_EQ(Settings.Sounds[2].FileName, "/snd/ü.wav");
  EXPECT_EQ(Settings.ImportValue, "@value");
  EXPECT_EQ(Settings.ExecCount, 1);
}

TEST_F(SettingsFileTest, ValuesOfAnotherKindReadAsMissing) {
  QDir().mkpath(Dir.filePath("Kelvane"));
  WriteFile("[General]\nMaxQCount=50\nStartUpDict=a, b\nImportValue=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
            "ExportFName=plain\n[Old]\nx=1\n");
  TQtSettingsStore store(Path);
  EXPECT_EQ(store.ReadString("MaxQCount"), "50");
  EXPECT_EQ(store.ReadString("StartUpDict"), std::nullopt);
  EXPECT_EQ(store.ReadString("ImportValue"), std::nullopt);
  EXPECT_EQ(store.ReadString("ExportFName"), "plain");
  EXPECT_EQ(store.ReadString("Nothing"), std::nullopt);
  EXPECT_EQ(store.SubKeys(), std::vector<std::string>{"Old"});
  store.DeleteKey();
  store.WriteString("InstallDir", "/opt/x/");
  ASSERT_TRUE(store.Flush());
  TQtSettingsStore again(Path);
  EXPECT_TRUE(again.SubKeys().empty());
  EXPECT_EQ(again.ReadString("InstallDir"), "/opt/x/");
  EXPECT_EQ(again.ReadString("MaxQCount"), std::nullopt);
}

TEST_F(SettingsFileTest, UnwritableFileFailsQuietly) {
  QFile plain(Dir.filePath("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  TQtSettingsStore store(Dir.filePath("plain/Lexidrill.ini"));  // its folder is a file
  EXPECT_EQ(store.ReadString("MaxQCount"), std::nullopt);
  EXPECT_FALSE(SaveSettings(store));
}

TEST_F(SettingsFileTest, DefaultPathIsInTheConfigFolder) {
  EXPECT_TRUE(TQtSettingsStore::DefaultPath().endsWith("/Kelvane/Lexidrill.ini"));
}

}  // namespace
