#include "settings/StartUp.h"

#include "tests/support/FakePrompt.h"
#include "SettingsFixture.h"
#include "platform/SingleInstance.h"

namespace {

std::vector<std::string>* Log = nullptr;

class TFakeInstance final : public TSingleInstance {
 public:
  bool TryLock() override {
    Log->push_back("lock");
    return Free;
  }
  void Unlock() override { Log->push_back("unlock"); }
  bool ActivateRunningCopy(const std::string& Title) override {
    Log->push_back("activate " + Title);
    return Found;
  }
  bool Free = true;
  bool Found = false;
};

// The key the start-up opens: the fixture's store, so that the test can look
// at it after FinishProcess has let go of it.
class TForwardStore final : public TSettingsStore {
 public:
  explicit TForwardStore(TMemorySettingsStore& Target) : Target(Target) {}
  std::optional<std::string> ReadString(const std::string& Name) override { return Target.ReadString(Name); }
  void WriteString(const std::string& Name, const std::string& Value) override { Target.WriteString(Name, Value); }
  std::vector<std::string> SubKeys() override { return Target.SubKeys(); }
  void DeleteKey() override { Target.DeleteKey(); }
  bool Flush() override { return Target.Flush(); }

 private:
  TMemorySettingsStore& Target;
};

class StartUpTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    Log = &Events;
  }
  void TearDown() override {
    FinishProcess();
    Log = nullptr;
    SettingsTest::TearDown();
  }
  TStartUpServices Services() {
    TStartUpServices s;
    s.Instance = &Instance;
    s.OpenSettings = [this] {
      Events.push_back("open");
      Opened = true;
      return std::make_unique<TForwardStore>(Store);
    };
    s.ProgramFolder = "/usr/lib/lexidrill";
    return s;
  }
  std::vector<std::string> Events;
  TFakeInstance Instance;
  bool Opened = false;
  TFakePrompt Prompt;
};

TEST_F(StartUpTest, SecondCopyEndsWithTheMessageAndTouchesNothing) {
  Instance.Free = false;
  SetCommandLineArguments({"/ORBISK"});
  Store.Values["InstallDir"] = "/opt/lexidrill/";
  EXPECT_FALSE(RunStartUp(Services()));
  EXPECT_TRUE(IsSecondCopy());
  EXPECT_EQ(Events, (std::vector<std::string>{"lock", "activate Lexidrill by Kelv"}));
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{"To run program click on its icon in system tray"});
  EXPECT_EQ(SettingsStore(), nullptr);
  SetCommandLineArguments({});
  EXPECT_FALSE(IsSilentMode());  // the command line was never read
  EXPECT_TRUE(FinishProcess());
  EXPECT_EQ(Events.back(), "unlock");
  EXPECT_FALSE(Opened);
}

TEST_F(StartUpTest, SecondCopyFindingTheWindowShowsNoMessage) {
  Instance.Free = false;
  Instance.Found = true;
  EXPECT_FALSE(RunStartUp(Services()));
  EXPECT_TRUE(Prompt.Shown.empty());
}

TEST_F(StartUpTest, StoredInstallDirIsUsedWithoutAsking) {
  Store.Values["InstallDir"] = "/opt/lx";
  Store.Values["MaxQCount"] = "50";
  ASSERT_TRUE(RunStartUp(Services()));
  EXPECT_EQ(Events, (std::vector<std::string>{"lock", "open"}));
  EXPECT_TRUE(Prompt.Shown.empty());
  EXPECT_EQ(Settings.InstallDir, "/opt/lx/");
  EXPECT_EQ(Settings.StartUpDict, "/opt/lx/Dicts/lexidrill.lxd");
  EXPECT_FALSE(MustChooseDictionary);
}

TEST_F(StartUpTest, MissingInstallDirAnsweredYesIsWrittenAtOnce) {
  Prompt.Answers = {dbYes};
  ASSERT_TRUE(RunStartUp(Services()));
  ASSERT_EQ(Prompt.Shown.size(), 1u);
  EXPECT_EQ(Prompt.Shown[0].Text,
            "Incorrect value of initializing path parameter. \r\nChange value to \"/usr/lib/lexidrill\"");
  EXPECT_EQ(Prompt.Shown[0].Kind, dkConfirmation);
  EXPECT_EQ(Prompt.Shown[0].Buttons, unsigned(dbYes | dbNo));
  EXPECT_EQ(Settings.InstallDir, "/usr/lib/lexidrill/");
  EXPECT_EQ(Store.Values.at("InstallDir"), "/usr/lib/lexidrill/");
  EXPECT_GE(Store.FlushCount, 1);
}

TEST_F(StartUpTest, MissingInstallDirAnsweredNoUsesTheRoot) {
  Prompt.Answers = {dbNo};
  ASSERT_TRUE(RunStartUp(Services()));
  EXPECT_EQ(Settings.InstallDir, "/");
  EXPECT_EQ(Store.Values.count("InstallDir"), 0u);
  EXPECT_EQ(Settings.StartUpDict, "/Dicts/lexidrill.lxd");
  EXPECT_EQ(Settings.Sounds[0].FileName, "/Sound/lexidrillsnd0.wav");
}

TEST_F(StartUpTest, RootProgramFolderIsShownWithItsSlash) {
  auto s = Services();
  s.ProgramFolder = "/";
  Prompt.Answers = {dbYes};
  ASSERT_TRUE(RunStartUp(std::move(s)));
  EXPECT_EQ(Prompt.Shown[0].Text, InstallDirQuestion("/"));
  EXPECT_EQ(Settings.InstallDir, "/");
}

TEST_F(StartUpTest, OldLayoutIsWipedKeepingInstallDir) {
  Store.Values["InstallDir"] = "/opt/lexidrill/";
  Store.Values["MaxQCount"] = "50";
  Store.Values["ExecCount"] = "9";
  Store.Keys = {"Options"};
  ASSERT_TRUE(RunStartUp(Services()));
  EXPECT_TRUE(MustChooseDictionary);
  EXPECT_EQ(Store.Values, (std::map<std::string, std::string>{{"InstallDir", "/opt/lexidrill/"}}));
  EXPECT_TRUE(Store.Keys.empty());
  EXPECT_EQ(Settings.MaxQCount, 30);
  EXPECT_EQ(Settings.ExecCount, 0);  // behaves as a first run
}

TEST_F(StartUpTest, EndOfProcessSavesOnce) {
  Store.Values["InstallDir"] = "/opt/lexidrill/";
  ASSERT_TRUE(RunStartUp(Services()));
  Settings.MainFormX = 120;
  EXPECT_TRUE(FinishProcess());
  EXPECT_EQ(Events.back(), "unlock");
  EXPECT_EQ(Store.Values.at("MainFormX"), "120");
  EXPECT_EQ(Store.Values.at("ExecCount"), "1");
  EXPECT_EQ(Store.Values.at("InstallDir"), "/opt/lexidrill/");
  EXPECT_EQ(SettingsStore(), nullptr);
  EXPECT_TRUE(FinishProcess());  // nothing left to do
  EXPECT_EQ(Settings.ExecCount, 1);
}

TEST_F(StartUpTest, UnwritableSettingsStillEndTheProcess) {
  Store.Values["InstallDir"] = "/opt/lexidrill/";
  ASSERT_TRUE(RunStartUp(Services()));
  Store.FailFlush = true;
  EXPECT_FALSE(FinishProcess());
  EXPECT_EQ(Events.back(), "unlock");
}

}  // namespace
