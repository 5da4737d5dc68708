#include "settings/CommandLine.h"

#include <filesystem>
#include <fstream>
#include <set>

#include "SettingsFixture.h"
#include "settings/Folders.h"

namespace {

bool In(const std::set<std::string>& Files, const std::string& Name) { return Files.count(Name) > 0; }

TEST(ParseArgumentsTest, FirstExistingLxdWins) {
  const std::set<std::string> files = {"Words.LxD", "other.lxd", "x.txt"};
  auto exists = [&](const std::string& n) { return In(files, n); };
  auto r = ParseArguments({"x.txt", "missing.lxd", "Words.LxD", "other.lxd"}, exists);
  EXPECT_EQ(r.Dict, "Words.LxD");
  EXPECT_FALSE(r.SilentMode);
}

TEST(ParseArgumentsTest, Cases) {
  const std::set<std::string> files = {"a.lxd", "dir.lxd/b", "/p.q/a.LXD", "noext"};
  auto exists = [&](const std::string& n) { return In(files, n); };
  struct TCase {
    std::vector<std::string> Args;
    bool Silent;
    std::string Dict;
  } cases[] = {
      {{"/orbisk"}, true, ""},
      {{"a.lxd", "/OrBiSk", "/ORBISK"}, true, "a.lxd"},
      {{"/ORBISK:1"}, false, ""},
      {{"-ORBISK"}, false, ""},
      {{"dir.lxd/b"}, false, ""},  // the extension is the file name's
      {{"/p.q/a.LXD"}, false, "/p.q/a.LXD"},
      {{"noext", "a.lxd"}, false, "a.lxd"},
      {{}, false, ""},
  };
  for (const auto& c : cases) {
    auto r = ParseArguments(c.Args, exists);
    EXPECT_EQ(r.SilentMode, c.Silent) << c.Args.size();
    EXPECT_EQ(r.Dict, c.Dict);
  }
}

TEST_F(SettingsTest, CommandLineIsParsedOnceAndNamesAnExistingFile) {
  const auto dir = std::filesystem::temp_directory_path() / ("lexidrill-cl-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "Mine.LXD").string();
  std::ofstream(file) << "x";
  SetCommandLineArguments({(dir / "nothere.lxd").string(), file, "/orbisk"});
  EXPECT_TRUE(IsSilentMode());
  EXPECT_EQ(CommandLineDict(), file);
  SetCommandLineArguments({});
  ParseCommandLine();  // already parsed: nothing changes
  EXPECT_TRUE(IsSilentMode());
  LoadSettings(Store);
  EXPECT_EQ(Settings.StartUpDict, file);
  std::filesystem::remove_all(dir);
}

TEST_F(SettingsTest, FolderTags) {
  Settings.InstallDir = "/Program Files/Lexidrill/";
  EXPECT_EQ(PathToFolderTag("/program files/lexidrill/Sound/a.wav"), "<Lexidrill folder>Sound/a.wav");
  EXPECT_EQ(FolderTagToPath("<Lexidrill folder>Sound/a.wav"), "/Program Files/Lexidrill/Sound/a.wav");
  EXPECT_EQ(FolderTagToPath("x<LEXIDRILL FOLDER>y<Lexidrill folder>"), "x/Program Files/Lexidrill/y<Lexidrill folder>");
  EXPECT_EQ(PathToFolderTag("/other/a.wav"), "/other/a.wav");
  EXPECT_EQ(PathToFolderTag("/mnt/Program Files/Lexidrill/a"), "/mnt<Lexidrill folder>a");
  SetDefaultSettings();
  EXPECT_EQ(PathToFolderTag(Settings.Sounds[0].FileName), "<Lexidrill folder>Sound/lexidrillsnd0.wav");
}

TEST(FoldersTest, TrailingSlashAndFolderPart) {
  EXPECT_EQ(AddTrailingBackslash(""), "/");
  EXPECT_EQ(AddTrailingBackslash("/a"), "/a/");
  EXPECT_EQ(AddTrailingBackslash("/a/"), "/a/");
  EXPECT_EQ(ExtractFilePath("/a/b/c.lxd"), "/a/b/");
  EXPECT_EQ(ExtractFilePath("c.lxd"), "");
}

}  // namespace
