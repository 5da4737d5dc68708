#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "tests/support/FakePrompt.h"
#include "settings/UserCopy.h"

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& P) {
  std::ifstream In(P, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& P, const std::string& Bytes) { std::ofstream(P, std::ios::binary) << Bytes; }

class UserCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("lexidrill_usercopy_" + std::to_string(::getpid()));
    fs::create_directories(Root / "install" / "Dicts");
    Original = Root / "install" / "Dicts" / "lexidrill.lxd";
    Write(Original, "statistics of the shipped file");
    const char* Old = std::getenv("XDG_DATA_HOME");
    if (Old) FormerData = Old;
    HadData = Old != nullptr;
    setenv("XDG_DATA_HOME", (Root / "data").c_str(), 1);
  }
  void TearDown() override {
    if (HadData) setenv("XDG_DATA_HOME", FormerData.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
    fs::remove_all(Root);
  }
  // Every folder can be written but the install folder.
  static bool AllButInstallWritable(const std::string& Folder) { return Folder.find("/install/") == std::string::npos; }

  fs::path Root, Original;
  std::string FormerData;
  bool HadData = false;
  TFakePrompt Prompt;
};

TEST_F(UserCopy, AWritableOrMissingDictionaryOpensWhereItIs) {
  EXPECT_EQ(DictionaryToOpen(Original.string(), [](const std::string&) { return true; }), Original.string());
  const std::string Missing = (Root / "install" / "Dicts" / "none.lxd").string();
  EXPECT_EQ(DictionaryToOpen(Missing, AllButInstallWritable), Missing);
  EXPECT_FALSE(fs::exists(Root / "data"));
  EXPECT_TRUE(Prompt.Shown.empty());
}

TEST_F(UserCopy, AReadOnlyDictionaryIsCopiedOnceAndTheCopyOpensAfterwards) {
  const fs::path Copy = Root / "data" / "Kelvane" / "Lexidrill" / Original.relative_path();
  EXPECT_EQ(DictionaryToOpen(Original.string(), AllButInstallWritable), Copy.string());
  EXPECT_EQ(Contents(Copy), "statistics of the shipped file");
  ASSERT_EQ(Prompt.Shown.size(), 1u);
  EXPECT_EQ(Prompt.Shown[0].Kind, dkInformation);
  EXPECT_NE(Prompt.Shown[0].Text.find(Copy.string()), std::string::npos);
  EXPECT_FALSE(fs::exists(Copy.string() + ".part"));
  // The copy now holds the user's statistics: a later start keeps it.
  Write(Copy, "the user's statistics");
  EXPECT_EQ(DictionaryToOpen(Original.string(), AllButInstallWritable), Copy.string());
  EXPECT_EQ(Contents(Copy), "the user's statistics");
  EXPECT_EQ(Prompt.Shown.size(), 1u);
}

TEST_F(UserCopy, DictionariesOfOneNameInTwoFoldersKeepTwoCopies) {
  fs::create_directories(Root / "install" / "Other");
  const fs::path Second = Root / "install" / "Other" / "lexidrill.lxd";
  Write(Second, "another dictionary");
  const std::string A = DictionaryToOpen(Original.string(), AllButInstallWritable);
  const std::string B = DictionaryToOpen(Second.string(), AllButInstallWritable);
  EXPECT_NE(A, B);
  EXPECT_EQ(Contents(A), "statistics of the shipped file");
  EXPECT_EQ(Contents(B), "another dictionary");
}

TEST_F(UserCopy, NoCopyPossibleOpensTheOriginal) {
  Write(Root / "data", "a plain file where the data folder should be");
  EXPECT_EQ(DictionaryToOpen(Original.string(), AllButInstallWritable), Original.string());
  EXPECT_TRUE(Prompt.Shown.empty());
}

}  // namespace
