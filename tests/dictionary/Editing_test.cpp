// Queries and single-question editing.

#include "DictFixture.h"

namespace {

class Editing : public DictTest {
 protected:
  void SetUp() override {
    DictTest::SetUp();
    File = MakeDict("d.lxd", 16);
    Dict = std::make_unique<TSmartDict>(File, false);
  }
  void TearDown() override {
    Dict->ReleaseWithoutSaving();
    Dict.reset();
    DictTest::TearDown();
  }
  TQuestionInfo Info(const std::string& Question) {
    TQuestionInfo q;
    int32_t p = -1;
    EXPECT_TRUE(Dict->FindQuestion(Question, p)) << Question;
    Dict->GetQuestionInfo(p, q);
    return q;
  }

  TFakePrompt Prompt;
  std::string File;
  std::unique_ptr<TSmartDict> Dict;
};

TEST_F(Editing, AddTrimsAndUpdateKeepsCommentAndStatistics) {
  ASSERT_TRUE(Dict->AddOrUpdateQuestion("  \tnew q \n", " new a ", ""));
  TQuestionInfo q = Info("new q");
  EXPECT_EQ(q.Answer, "new a");
  EXPECT_EQ(q.Comment, "");
  EXPECT_EQ(q.Status, qsNew);
  EXPECT_EQ(q.RightInRow, 0);
  EXPECT_EQ(q.ShowCount, 0);
  Dict->RecordRight("new q");
  ASSERT_TRUE(Dict->AddOrUpdateQuestion("new q", "other a", "other comment"));
  q = Info("new q");
  EXPECT_EQ(q.Answer, "other a");
  EXPECT_EQ(q.Comment, "");
  EXPECT_EQ(q.RightInRow, 1);
  EXPECT_EQ(q.ShowCount, 1);
  EXPECT_EQ(Prompt.Texts(), (std::vector<std::string>{"New question successfully added", "Question was sucessfully updated"}));
  EXPECT_EQ(Dict->RecordCount(), 17);
}

TEST_F(Editing, TextsAreCutTo255BytesOnACharacterBoundary) {
  ASSERT_TRUE(Dict->AddOrUpdateQuestion("long", std::string(300, 'x'), std::string(254, 'c') + "\xC3\xA4"));
  TQuestionInfo q = Info("long");
  EXPECT_EQ(q.Answer, std::string(255, 'x'));
  EXPECT_EQ(q.Comment, std::string(254, 'c'));  // the two-byte letter would not fit whole
  std::string euros;
  for (int i = 0; i < 100; ++i) euros += "\xE2\x82\xAC";
  ASSERT_TRUE(Dict->AddOrUpdateQuestion(euros, "a", ""));
  EXPECT_TRUE(Dict->FindByPrefix(euros.substr(0, 30), q));
  EXPECT_EQ(q.Question, euros.substr(0, 255));
}

TEST_F(Editing, RefusedEdits) {
  EXPECT_FALSE(Dict->AddOrUpdateQuestion(" ", "a", "c"));
  EXPECT_FALSE(Dict->AddOrUpdateQuestion("q", "\t", "c"));
  EXPECT_EQ(Dict->RecordCount(), 16);
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>(2, "Update error - no question / answer in editor"));
  TSmartDict none(Path("missing.lxd"), false);
  Prompt.Shown.clear();
  EXPECT_FALSE(none.AddOrUpdateQuestion("q", "a", ""));
  EXPECT_FALSE(none.DeleteQuestion("q"));
  none.ClearStatistics();
  EXPECT_EQ(Prompt.Texts(), (std::vector<std::string>{"Update error: can't initialize dictionary",
                                "Delete error: can't initialize dictionary",
                                "An error occured while trying to clear statistics: no words in dictonary"}));
}

TEST_F(Editing, CaseMattersInQuestions) {
  ASSERT_TRUE(Dict->AddOrUpdateQuestion("Q100", "upper", ""));
  EXPECT_EQ(Info("Q100").Answer, "upper");
  EXPECT_EQ(Info("q100").Answer, "a100");
  int32_t p = 0;
  EXPECT_FALSE(Dict->FindQuestion(" q100", p));
}

TEST_F(Editing, DeleteAsksAndAnswersMatter) {
  Prompt.Answers = {dbCancel, dbYes};
  EXPECT_FALSE(Dict->DeleteQuestion(" q101 "));
  EXPECT_EQ(Dict->RecordCount(), 16);
  EXPECT_TRUE(Dict->DeleteQuestion(" q101 "));
  EXPECT_EQ(Dict->RecordCount(), 15);
  EXPECT_FALSE(Dict->IsUsable());
  EXPECT_FALSE(Dict->DeleteQuestion("q101"));
  ASSERT_EQ(Prompt.Shown.size(), 4u);
  EXPECT_EQ(Prompt.Shown[0].Text, "Remove the question \"q101\"?");
  EXPECT_EQ(Prompt.Shown[0].Kind, dkWarning);
  EXPECT_EQ(Prompt.Shown[0].Buttons, unsigned(dbYes | dbCancel));
  EXPECT_EQ(Prompt.Shown[2].Text, "Question was sucesfully removed");
  // A question that is not there is reported without asking.
  EXPECT_EQ(Prompt.Shown[3].Text, "Delete error: can't find question \"q101\"");
}

TEST_F(Editing, FindByPrefix) {
  struct TCase {
    std::string Prefix;
    bool Found;
    int32_t Index;
    std::string Question;  // what Info holds afterwards
  };
  // Questions q100..q115 sit at positions 0..15.
  const TCase cases[] = {{"q10", true, 0, "q100"},  {"q105", true, 5, "q105"}, {"q11", true, 10, "q110"},
                         {"q1055", false, 6, "q106"}, {"a", false, 0, "q100"},  {"r", false, 0, ""},
                         {"", false, 0, ""},          {"Q", false, 0, "q100"}};
  for (const TCase& c : cases) {
    TQuestionInfo q;
    q.Index = 99;
    EXPECT_EQ(Dict->FindByPrefix(c.Prefix, q), c.Found) << c.Prefix;
    EXPECT_EQ(q.Index, c.Index) << c.Prefix;
    EXPECT_EQ(q.Question, c.Question) << c.Prefix;
  }
}

TEST_F(Editing, ClearStatisticsResetsEveryQuestion) {
  Dict->RecordWrong(Q(1));
  Dict->RecordRight(Q(2));
  for (int i = 0; i < 3; ++i) Dict->RecordRight(Q(3));
  Dict->ClearStatistics();
  EXPECT_TRUE(Prompt.Shown.empty());
  for (int i = 0; i < 16; ++i) {
    TQuestionInfo q = Info(Q(i));
    EXPECT_EQ(q.Status, qsNew);
    EXPECT_EQ(q.RightInRow, 0);
    EXPECT_EQ(q.ShowCount, 0);
  }
  EXPECT_EQ(Dict->CountByStatus(qsNew), 16);
}

TEST_F(Editing, SetInfoWritesTheBlockAndThresholds) {
  Dict->SetInfo(TDictInfo{std::string(600, 'd'), std::string(300, 'a'), "c\r\nd", 4, 7, 123});
  TDictInfo info;
  Dict->GetInfo(info);
  EXPECT_EQ(info.Description, std::string(600, 'd'));
  EXPECT_EQ(info.Author, std::string(255, 'a'));
  EXPECT_EQ(info.Comment, "c\r\nd");
  EXPECT_EQ(info.NTK, 4);
  EXPECT_EQ(info.UTK, 7);
  EXPECT_EQ(info.WordsCount, 16);  // written by saves only
  EXPECT_EQ(Dict->NTK, 4);
  EXPECT_EQ(Dict->UTK, 7);
  Dict->SetInfo(TDictInfo{"", "", "", 256 + 2, 0, 0});  // low 8 bits: 2, and 0 is refused
  EXPECT_EQ(Dict->NTK, 2);
  EXPECT_EQ(Dict->UTK, 7);
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{"The number must be between 1 and 10"});
}

}  // namespace
