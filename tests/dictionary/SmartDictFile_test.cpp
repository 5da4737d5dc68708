// Creating, loading, saving and releasing dictionary files.

#include <sys/stat.h>

#include "DictFixture.h"
#include "dictionary/SafeFile.h"
#include "engine/RecordTable.h"

namespace {

const std::string LoadWarning =
    "Dictionary is successfully loaded, but it has incorrect question's number for examination.\r"
    "Please add more questions (16 at least).";

class SmartDictFile : public DictTest {};

TEST_F(SmartDictFile, CreatedFileHoldsWordsCountAndAnEmptyTable) {
  const std::string file = Path("new.lxd");
  TFakePrompt prompt;
  ASSERT_TRUE(CreateDictionaryFile(file));
  EXPECT_TRUE(prompt.Shown.empty());
  TMemoryStream in = StreamOf(ReadFile(file));
  TParametersBox box;
  ASSERT_TRUE(box.ReadFrom(in, false));
  EXPECT_EQ(box.EntryCount(), 1);
  EXPECT_EQ(box.ReadInteger("WORDSCOUNT", -1), 0);

  TSmartDict d(file, false);
  ASSERT_NE(d.Table, nullptr);
  EXPECT_EQ(d.RecordCount(), 0);
  EXPECT_FALSE(d.IsUsable());
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{LoadWarning});
  EXPECT_EQ(prompt.Shown[0].Kind, dkWarning);
  d.ReleaseWithoutSaving();
}

TEST_F(SmartDictFile, CreateAsksBeforeOverwriting) {
  const std::string file = MakeDict("old.lxd", 20);
  const std::string before = ReadFile(file);
  {
    TFakePrompt prompt;
    prompt.Answers = {dbCancel};
    EXPECT_FALSE(CreateDictionaryFile(file));
    ASSERT_EQ(prompt.Shown.size(), 1u);
    EXPECT_EQ(prompt.Shown[0].Text, "File \"" + file + "\" already exists. Overwrite?");
    EXPECT_EQ(prompt.Shown[0].Kind, dkInformation);
    EXPECT_EQ(prompt.Shown[0].Buttons, unsigned(dbOk | dbCancel));
    EXPECT_EQ(ReadFile(file), before);
  }
  TFakePrompt prompt;
  prompt.Answers = {dbOk};
  EXPECT_TRUE(CreateDictionaryFile(file));
  prompt.Answers = {dbOk};
  TSmartDict d(file, false);
  EXPECT_EQ(d.RecordCount(), 0);
  d.ReleaseWithoutSaving();
}

TEST_F(SmartDictFile, LoadsBothLayouts) {
  const std::string full = MakeDict("full.lxd", 20);
  {
    TFakePrompt prompt;
    TSmartDict d(full, false);
    d.SetInfo(TDictInfo{"desc", "me", "", 4, 5, 0});
    EXPECT_TRUE(d.SaveToFile(full, false));
  }
  // The question table alone: everything after the parameters block.
  std::string bytes = ReadFile(full);
  const std::string alone = Path("alone.lxd");
  WriteFile(alone, bytes.substr(ParamsEnd(bytes)));

  TFakePrompt prompt;
  TSmartDict a(full, false);
  EXPECT_EQ(a.QuestionCount(), 20);
  EXPECT_EQ(a.NTK, 4);
  EXPECT_EQ(a.UTK, 5);
  TDictInfo info;
  a.GetInfo(info);
  EXPECT_EQ(info.Description, "desc");
  EXPECT_EQ(info.WordsCount, 20);
  a.ReleaseWithoutSaving();

  TSmartDict b(alone, false);
  EXPECT_EQ(b.QuestionCount(), 20);
  b.GetInfo(info);
  EXPECT_EQ(info.Description, "");
  EXPECT_EQ(info.NTK, 3);
  EXPECT_EQ(b.NTK, 3);
  TQuestionInfo q;
  ASSERT_TRUE(b.GetQuestionInfo(19, q));
  EXPECT_EQ(q.Question, Q(19));
  EXPECT_TRUE(prompt.Shown.empty());
  // The next save writes both parts.
  EXPECT_TRUE(b.SaveToFile(alone, true));
  TMemoryStream in = StreamOf(ReadFile(alone));
  TParametersBox box;
  EXPECT_TRUE(box.ReadFrom(in, false));
  EXPECT_EQ(box.ReadInteger("WORDSCOUNT", 0), 20);
}

TEST_F(SmartDictFile, FifteenQuestionsLoadButAreNotUsable) {
  const std::string file = MakeDict("d15.lxd", 15);
  TFakePrompt prompt;
  TSmartDict d(file, false);
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{LoadWarning});
  EXPECT_FALSE(d.IsUsable());
  EXPECT_EQ(d.QuestionCount(), 0);
  EXPECT_EQ(d.LastIndex(), 14);
  TQuestionInfo q;
  EXPECT_TRUE(d.GetQuestionInfo(14, q));
  EXPECT_FALSE(d.GetQuestionInfo(15, q));
  d.ReleaseWithoutSaving();
}

TEST_F(SmartDictFile, LoadFailuresAreReportedAndLeaveNoTable) {
  const std::string good = MakeDict("good.lxd", 16);
  const std::string bytes = ReadFile(good);
  const size_t paramsEnd = ParamsEnd(bytes);

  struct TCase {
    const char* Name;
    std::string Bytes;
  };
  const TCase cases[] = {
      {"empty", ""},
      {"garbage", "this is not a dictionary"},
      {"parameters only", bytes.substr(0, paramsEnd)},
      {"parameters twice", bytes.substr(0, paramsEnd) + bytes.substr(0, paramsEnd)},
      {"truncated questions", bytes.substr(0, bytes.size() - 10)},
      {"damaged block", bytes.substr(0, 20) + "x" + bytes.substr(21)},
  };
  for (const TCase& c : cases) {
    const std::string file = Path("bad.lxd");
    WriteFile(file, c.Bytes);
    TFakePrompt prompt;
    TSmartDict d(file, false);
    EXPECT_EQ(d.Table, nullptr) << c.Name;
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Dictionary load error: incorrect file \"" + file + "\" format"})
        << c.Name;
    TDictInfo info;
    d.GetInfo(info);
    EXPECT_EQ(info.Description, "") << c.Name;
  }
  // Nothing is written back for a dictionary that did not load.
  EXPECT_EQ(ReadFile(Path("bad.lxd")), cases[std::size(cases) - 1].Bytes);

  TFakePrompt prompt;
  const std::string missing = Path("missing.lxd");
  {
    TSmartDict d(missing, false);
    EXPECT_EQ(d.Table, nullptr);
    EXPECT_EQ(d.QuestionCount(), 0);
    EXPECT_EQ(d.LastIndex(), -1);
    EXPECT_FALSE(d.SaveToFile(missing, false));
  }
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Dictionary load error: can't open file \"" + missing + "\""});
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(SmartDictFile, DestroyingSavesTheStatistics) {
  const std::string file = MakeDict("d.lxd", 16);
  TFakePrompt prompt;
  {
    TSmartDict d(file, false);
    d.RecordWrong(Q(3));
  }
  TSmartDict d(file, false);
  TQuestionInfo q;
  int32_t p = 0;
  ASSERT_TRUE(d.FindQuestion(Q(3), p));
  d.GetQuestionInfo(p, q);
  EXPECT_EQ(q.Status, qsLearning);
  EXPECT_EQ(q.ShowCount, 1);
  d.ReleaseWithoutSaving();
}

TEST_F(SmartDictFile, SaveKeepsPermissionsAndWritesWordsCount) {
  const std::string file = MakeDict("d.lxd", 40);
  ::chmod(file.c_str(), 0640);
  TFakePrompt prompt;
  TSmartDict d(file, false);
  d.AddOrUpdateQuestion("extra", "x", "");
  EXPECT_TRUE(d.SaveToFile(file, false));
  struct stat st{};
  ::stat(file.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  TMemoryStream in = StreamOf(ReadFile(file));
  TParametersBox box;
  box.ReadFrom(in, false);
  EXPECT_EQ(box.ReadInteger("WORDSCOUNT", 0), 41);
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir), std::filesystem::directory_iterator()), 1);
  d.ReleaseWithoutSaving();
}

TEST_F(SmartDictFile, FailedSaveAtAnyByteLeavesTheOldFile) {
  const std::string file = MakeDict("d.lxd", 16);
  const std::string before = ReadFile(file);
  TFakePrompt prompt;
  TSmartDict d(file, false);
  d.AddOrUpdateQuestion("another question", "another answer", "");
  prompt.Shown.clear();
  std::string after;
  {
    TMemoryStream expected;
    d.Params.WriteInteger("WORDSCOUNT", d.RecordCount());
    d.Params.WriteTo(expected);
    d.Table->SetPacked(true);
    d.Table->Save(expected);
    after = BytesOf(expected);
  }
  for (int64_t n = 0; n < static_cast<int64_t>(after.size()); ++n) {
    TSafeFileWriter::FailAtByte = n;
    EXPECT_FALSE(d.SaveToFile(file, false)) << n;
    TSafeFileWriter::FailAtByte = -1;
    ASSERT_EQ(ReadFile(file), before) << n;
    ASSERT_EQ(prompt.Texts(), std::vector<std::string>{"Dictionary save error: can't create file \"" + file + "\""});
    prompt.Shown.clear();
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir), std::filesystem::directory_iterator()), 1);
  EXPECT_TRUE(d.SaveToFile(file, false));
  EXPECT_EQ(ReadFile(file), after);
  d.ReleaseWithoutSaving();
}

TEST_F(SmartDictFile, SaveThatCannotCreateReleasesOnRequest) {
  const std::string file = MakeDict("d.lxd", 16);
  TFakePrompt prompt;
  TSmartDict d(file, false);
  const std::string unwritable = Path("no/such/folder/d.lxd");
  EXPECT_FALSE(d.SaveToFile(unwritable, false));
  EXPECT_NE(d.Table, nullptr);
  // A folder in the way of the rename fails too, and leaves the folder.
  std::filesystem::create_directory(Path("adir"));
  EXPECT_FALSE(d.SaveToFile(Path("adir"), false));
  EXPECT_TRUE(std::filesystem::is_directory(Path("adir")));
  EXPECT_FALSE(d.SaveToFile(unwritable, true));
  EXPECT_EQ(d.Table, nullptr);
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{
                                "Dictionary save error: can't create file \"" + unwritable + "\"",
                                "Dictionary save error: can't create file \"" + Path("adir") + "\"",
                                "Dictionary save error: can't create file \"" + unwritable + "\""}));
}

TEST_F(SmartDictFile, ReportsLoadAndSaveProgress) {
  const std::string file = MakeDict("d.lxd", 16);
  std::vector<std::string> steps;
  int ticks = 0;
  ProgressProcs().ProgressStep = [&](const std::string& Text, int32_t Min, int32_t Max, int32_t Pos) {
    steps.push_back(Text + " " + std::to_string(Min) + ".." + std::to_string(Max) + " " + std::to_string(Pos));
  };
  ProgressProcs().ProgressTick = [&] {
    ++ticks;
    return true;
  };
  TFakePrompt prompt;
  {
    TSmartDict d(file, false);
    EXPECT_EQ(ticks, 16);
  }
  EXPECT_EQ(steps, (std::vector<std::string>{"Loading dictionary. 0..15 0", "Saving dictionary. 0..15 0",
                                             "Releasing memory. 0..15 0"}));
  EXPECT_EQ(ticks, 48);
}

}  // namespace
