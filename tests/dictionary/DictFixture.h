#pragma once
// Small dictionaries for the tests, made through the dictionary's own API,
// in a fresh folder per test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "dictionary/ProgressProcs.h"
#include "engine/ByteStream.h"
#include "dictionary/SmartDict.h"
#include "tests/support/FakePrompt.h"

class DictTest : public testing::Test {
 protected:
  void SetUp() override {
    Dir = std::filesystem::path(testing::TempDir()) /
          ("lexidrill_" + std::to_string(::getpid()) + "_" +
           testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(Dir);
    std::filesystem::create_directories(Dir);
    SetDefaultProgressProcs();
    // Nothing in these tests breaks an operation off unless it says so.
    ProgressProcs().ProgressText = [](const std::string&) { return true; };
    ProgressProcs().ProgressTick = [] { return true; };
  }
  void TearDown() override {
    SetDefaultProgressProcs();
    std::filesystem::remove_all(Dir);
  }

  std::string Path(const std::string& Name) const { return (Dir / Name).string(); }

  static std::string Q(int i) { return "q" + std::to_string(100 + i); }
  static std::string A(int i) { return "a" + std::to_string(100 + i); }

  // A saved dictionary of Count questions q100.. with answers a100..
  std::string MakeDict(const std::string& Name, int Count) {
    std::string file = Path(Name);
    TPrompt* shown = prompt_detail::Current();  // the test's own prompt stays in place
    {
      TFakePrompt quiet;
      TSmartDict d(file, true);
      for (int i = 0; i < Count; ++i) d.AddOrUpdateQuestion(Q(i), A(i), "c" + std::to_string(i));
      EXPECT_TRUE(d.SaveToFile(file, true));
    }
    SetPrompt(shown);
    return file;
  }

  static std::string ReadFile(const std::string& Name) {
    std::ifstream in(Name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void WriteFile(const std::string& Name, const std::string& Bytes) {
    std::ofstream(Name, std::ios::binary | std::ios::trunc) << Bytes;
  }

  static TMemoryStream StreamOf(const std::string& Bytes) {
    return TMemoryStream(std::vector<uint8_t>(Bytes.begin(), Bytes.end()));
  }
  static std::string BytesOf(const TMemoryStream& S) { return std::string(S.Bytes().begin(), S.Bytes().end()); }
  // Where the parameters block of a dictionary file ends.
  static size_t ParamsEnd(const std::string& Bytes) {
    TMemoryStream s = StreamOf(Bytes);
    TParametersBox skip;
    EXPECT_TRUE(skip.ReadFrom(s, false));
    return static_cast<size_t>(s.Position());
  }

  std::filesystem::path Dir;
};
