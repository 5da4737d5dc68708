#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "dictionary/ProgressProcs.h"
#include "dictionary/SmartDict.h"
#include "settings/Folders.h"
#include "settings/Settings.h"
#include "tests/data/DataFiles.h"
#include "tests/support/FakePrompt.h"

namespace {

struct TSourceRecord {
  std::string Question, Answer, Comment;
};

// The word list split by hand into its three-line records, independently of
// the import code.
std::vector<TSourceRecord> SourceRecords(size_t& Lines) {
  const std::string text = ReadBytes(SourcePath("data/lexidrill-words.txt"));
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  Lines = lines.size();
  std::vector<TSourceRecord> records;
  for (size_t i = 0; i + 2 < lines.size(); i += 3) records.push_back({lines[i], lines[i + 1], lines[i + 2]});
  return records;
}

class BundledDictTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings = TSettings();
    Settings.InstallDir = BuildPath();
    SetDefaultProgressProcs();
    // The dictionary saves itself when freed: the tests work on a copy, so the
    // build tree's dictionary (which may hold the developer's statistics) is
    // never written.
    Dir = std::filesystem::path(testing::TempDir()) / ("lexidrill_bundled_" + std::to_string(::getpid()));
    std::filesystem::create_directories(Dir);
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  std::string CopyOf(const std::string& FileName) {
    const auto copy = Dir / "lexidrill.lxd";
    std::filesystem::copy_file(FileName, copy, std::filesystem::copy_options::overwrite_existing);
    return copy.string();
  }

  std::filesystem::path Dir;
  TFakePrompt Prompt;
};

TEST_F(BundledDictTest, DefaultDictionaryLoadsAndIsUsable) {
  ASSERT_TRUE(std::filesystem::exists(DefaultDictFile())) << DefaultDictFile();
  TSmartDict dict(CopyOf(DefaultDictFile()), false);
  EXPECT_TRUE(Prompt.Shown.empty()) << Prompt.Shown.front().Text;
  ASSERT_TRUE(dict.IsUsable());
  EXPECT_GE(dict.QuestionCount(), 200);
  TDictInfo info;
  dict.GetInfo(info);
  EXPECT_FALSE(info.Description.empty());
  EXPECT_FALSE(info.Author.empty());
  EXPECT_EQ(info.WordsCount, dict.QuestionCount());
}

// The freshly built dictionary, before any run has written statistics into
// it, holds every record of the word list exactly as written: a record that
// slipped a line, or a question given twice, would show here.
TEST_F(BundledDictTest, HoldsEveryRecordOfTheWordListUnlearned) {
  size_t lines = 0;
  const std::vector<TSourceRecord> records = SourceRecords(lines);
  EXPECT_EQ(lines % 3, 0u) << "the word list is not made of whole three-line records";
  ASSERT_GE(records.size(), 200u);

  TSmartDict dict(CopyOf(BuildPath("data/lexidrill.lxd")), false);
  ASSERT_TRUE(dict.IsUsable());
  EXPECT_EQ(dict.QuestionCount(), static_cast<int32_t>(records.size()));
  std::set<std::string> answers;
  for (const TSourceRecord& r : records) {
    SCOPED_TRACE(r.Question);
    EXPECT_FALSE(r.Comment.empty());
    EXPECT_TRUE(answers.insert(r.Answer).second) << "answer given twice: " << r.Answer;
    int32_t index = -1;
    ASSERT_TRUE(dict.FindQuestion(r.Question, index));
    TQuestionInfo q;
    ASSERT_TRUE(dict.GetQuestionInfo(index, q));
    EXPECT_EQ(q.Answer, r.Answer);
    EXPECT_EQ(q.Comment, r.Comment);
    EXPECT_EQ(q.Status, qsNew);
    EXPECT_EQ(q.ShowCount, 0);
  }
  dict.ReleaseWithoutSaving();
}

// With the most answer variants the program offers, every drawn question
// still gets that many different variants, one of them its own answer.
TEST_F(BundledDictTest, DrawsFullSetsOfDistinctVariants) {
  Settings.CurAnswersCount = 16;
  TSmartDict dict(CopyOf(BuildPath("data/lexidrill.lxd")), false);
  ASSERT_TRUE(dict.IsUsable());
  ASSERT_TRUE(dict.BeginExamination(30, 3));
  TExamQuestion card;
  for (int n = 0; n < 30; ++n) {
    ASSERT_TRUE(dict.NextQuestion(card, false));
    std::set<std::string> texts;
    for (int i = 0; i < 16; ++i) texts.insert(card.Variants[i].Text);
    EXPECT_EQ(texts.size(), 16u) << card.Question;
    int32_t index = -1;
    ASSERT_TRUE(dict.FindQuestion(card.Question, index));
    TQuestionInfo q;
    ASSERT_TRUE(dict.GetQuestionInfo(index, q));
    EXPECT_EQ(card.Variants[card.CorrectIndex].Text, q.Answer);
    card.Variants[card.CorrectIndex].Tried = true;
  }
  dict.ReleaseWithoutSaving();
}

}  // namespace
