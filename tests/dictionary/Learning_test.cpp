// Learning statistics, thresholds and the drawing of questions and variants.

#include <set>

#include "DictFixture.h"
#include "dictionary/Records.h"
#include "engine/RecordTable.h"
#include "settings/Settings.h"

namespace {

class Learning : public DictTest {
 protected:
  void SetUp() override {
    DictTest::SetUp();
    SavedAnswers = Settings.CurAnswersCount;
    Settings.CurAnswersCount = 5;
    Dict = std::make_unique<TSmartDict>(MakeDict("d.lxd", 30), false);
    Dict->SetRandom(&Random);
  }
  void TearDown() override {
    Settings.CurAnswersCount = SavedAnswers;
    Dict->ReleaseWithoutSaving();
    Dict.reset();
    DictTest::TearDown();
  }
  // Puts a question into a given state, as a loaded file could hold it.
  void Set(const std::string& Question, int32_t Status, int32_t RightInRow, int32_t ShowCount = 0) {
    int32_t p = 0;
    ASSERT_TRUE(Dict->FindQuestion(Question, p));
    rec::SetStatistics(Dict->Table->RecordAt(0, p), Status, RightInRow, ShowCount);
    ASSERT_TRUE(Dict->Table->Update(0, p, dpAny));
  }
  TQuestionInfo Info(const std::string& Question) {
    TQuestionInfo q;
    int32_t p = 0;
    EXPECT_TRUE(Dict->FindQuestion(Question, p));
    Dict->GetQuestionInfo(p, q);
    return q;
  }
  int32_t StatusAt(int32_t p) { return rec::QInt(Dict->Table->RecordAt(1, p), rec::qfStatus); }

  TFakePrompt Prompt;
  TStdRandom Random{12345};
  int32_t SavedAnswers = 0;
  std::unique_ptr<TSmartDict> Dict;
};

TEST_F(Learning, StatusTransitions) {
  struct TCase {
    const char* Name;
    int32_t Status, RightInRow;
    bool Right;
    int32_t ToStatus, ToRightInRow, FromNew, FromLearning;
  };
  // NTK 3, UTK 2.
  const TCase cases[] = {
      {"new right below", qsNew, 1, true, qsNew, 2, 0, 0},
      {"new right reaches", qsNew, 2, true, qsLearned, 3, 1, 0},
      {"learning right below", qsLearning, 0, true, qsLearning, 1, 0, 0},
      {"learning right reaches", qsLearning, 1, true, qsLearned, 2, 0, 1},
      {"learned right", qsLearned, 7, true, qsLearned, 8, 0, 0},
      {"other status right", 7, 5, true, 7, 6, 0, 0},
      {"new wrong", qsNew, 2, false, qsLearning, 0, 0, 0},
      {"learning wrong", qsLearning, 1, false, qsLearning, 0, 0, 0},
      {"learned wrong", qsLearned, 9, false, qsLearning, 0, 0, 0},
      {"other status wrong", -4, 3, false, qsLearning, 0, 0, 0},
  };
  Dict->SetNTK(3);
  Dict->SetUTK(2);
  ASSERT_TRUE(Dict->BeginExamination(10, 3));
  for (const TCase& c : cases) {
    Set(Q(0), c.Status, c.RightInRow, 4);
    Dict->Totals = TExamTotals{};
    if (c.Right) {
      Dict->RecordRight(Q(0));
    } else {
      Dict->RecordWrong(Q(0));
    }
    TQuestionInfo q = Info(Q(0));
    EXPECT_EQ(q.Status, c.ToStatus) << c.Name;
    EXPECT_EQ(q.RightInRow, c.ToRightInRow) << c.Name;
    EXPECT_EQ(q.ShowCount, 5) << c.Name;
    EXPECT_EQ(Dict->Totals.LearnedFromNew, c.FromNew) << c.Name;
    EXPECT_EQ(Dict->Totals.LearnedFromLearning, c.FromLearning) << c.Name;
  }
  // A question deleted meanwhile is skipped.
  Dict->RecordRight("no such question");
  Dict->RecordWrong("no such question");
  EXPECT_EQ(Dict->RecordCount(), 30);
}

TEST_F(Learning, NewQuestionLearnedAfterThreeRightAnswers) {
  Dict->SetNTK(3);
  for (int i = 0; i < 3; ++i) Dict->RecordRight(Q(5));
  EXPECT_EQ(Info(Q(5)).Status, qsLearned);
  EXPECT_EQ(Info(Q(5)).RightInRow, 3);
}

TEST_F(Learning, OutcomeOfCards) {
  struct TCase {
    const char* Name;
    std::vector<int> Tried;  // variant indexes, CorrectIndex is 2
    bool Hint;
    int32_t Right, Wrong, Hints, Status, RightInRow;
  };
  const TCase cases[] = {
      {"two wrong then right", {0, 4, 2}, false, 1, 2, 0, qsLearning, 0},
      {"hint", {}, true, 0, 0, 1, qsLearning, 0},
      {"hint and tried", {2}, true, 0, 0, 1, qsLearning, 0},
      {"nothing tried", {}, false, 1, 0, 0, qsNew, 1},
      {"right at once", {2}, false, 1, 0, 0, qsNew, 1},
  };
  for (const TCase& c : cases) {
    Set(Q(7), qsNew, 0);
    ASSERT_TRUE(Dict->BeginExamination(10, 3));
    TExamQuestion card;
    ASSERT_TRUE(Dict->NextQuestion(card, false));
    card.Question = Q(7);  // the card's question is what gets recorded
    card.CorrectIndex = 2;
    for (int i : c.Tried) card.Variants[static_cast<size_t>(i)].Tried = true;
    card.Variants[2].Hinted = c.Hint;
    ASSERT_TRUE(Dict->NextQuestion(card, true)) << c.Name;
    EXPECT_EQ(Dict->Totals.Right, c.Right) << c.Name;
    EXPECT_EQ(Dict->Totals.Wrong, c.Wrong) << c.Name;
    EXPECT_EQ(Dict->Totals.Hints, c.Hints) << c.Name;
    EXPECT_EQ(Info(Q(7)).Status, c.Status) << c.Name;
    EXPECT_EQ(Info(Q(7)).RightInRow, c.RightInRow) << c.Name;
    EXPECT_EQ(Info(Q(7)).ShowCount, 1) << c.Name;
  }
  // Variants past CurAnswersCount play no part.
  ASSERT_TRUE(Dict->BeginExamination(10, 3));
  TExamQuestion card;
  ASSERT_TRUE(Dict->NextQuestion(card, false));
  card.Variants[10].Tried = true;
  Dict->NextQuestion(card, true);
  EXPECT_EQ(Dict->Totals.Wrong, 0);
  EXPECT_EQ(Dict->Totals.Right, 1);
}

TEST_F(Learning, DrawOrderFollowsTheLearningPeriod) {
  for (int i = 0; i < 10; ++i) Set(Q(i), qsLearning, 0);
  for (int i = 10; i < 20; ++i) Set(Q(i), qsLearned, 1);
  ASSERT_TRUE(Dict->BeginExamination(30, 3));
  for (int draw = 1; draw <= 30; ++draw) {
    int32_t p = -1;
    ASSERT_TRUE(Dict->DrawQuestion(p));
    EXPECT_EQ(StatusAt(p), draw % 3 == 0 ? qsLearning : qsNew) << draw;
  }
  EXPECT_EQ(Dict->Drawn, 30);
  // Without new questions the other draws come from the learned ones.
  for (int i = 20; i < 30; ++i) Set(Q(i), qsLearned, 0);
  ASSERT_TRUE(Dict->BeginExamination(12, 4));
  for (int draw = 1; draw <= 12; ++draw) {
    int32_t p = -1;
    ASSERT_TRUE(Dict->DrawQuestion(p));
    EXPECT_EQ(StatusAt(p), draw % 4 == 0 ? qsLearning : qsLearned) << draw;
  }
  // A period of 0 never puts learning questions first.
  ASSERT_TRUE(Dict->BeginExamination(12, 0));
  for (int draw = 1; draw <= 12; ++draw) {
    int32_t p = -1;
    ASSERT_TRUE(Dict->DrawQuestion(p));
    EXPECT_EQ(StatusAt(p), qsLearned) << draw;
  }
}

TEST_F(Learning, EveryQuestionOfAGroupIsDrawn) {
  ASSERT_TRUE(Dict->BeginExamination(1000, 3));
  std::set<int32_t> seen;
  for (int i = 0; i < 600; ++i) {
    int32_t p = -1;
    ASSERT_TRUE(Dict->PickFromGroup(qsNew, p));
    seen.insert(p);
  }
  EXPECT_EQ(seen.size(), 30u);
  int32_t p = -1;
  EXPECT_FALSE(Dict->PickFromGroup(qsLearning, p));
}

TEST_F(Learning, VariantsAreDistinctAndHoldTheAnswer) {
  for (int answers : {3, 5, 16}) {
    Settings.CurAnswersCount = answers;
    ASSERT_TRUE(Dict->BeginExamination(50, 3));
    std::set<int32_t> correctAt;
    TExamQuestion card;
    for (int k = 0; k < 50; ++k) {
      ASSERT_TRUE(Dict->NextQuestion(card, false));
      std::set<std::string> texts;
      for (int i = 0; i < answers; ++i) texts.insert(card.Variants[static_cast<size_t>(i)].Text);
      EXPECT_EQ(texts.size(), static_cast<size_t>(answers));
      ASSERT_GE(card.CorrectIndex, 0);
      ASSERT_LT(card.CorrectIndex, answers);
      EXPECT_EQ(card.Variants[static_cast<size_t>(card.CorrectIndex)].Text, "a" + card.Question.substr(1));
      correctAt.insert(card.CorrectIndex);
    }
    EXPECT_EQ(correctAt.size(), static_cast<size_t>(answers));
  }
  EXPECT_TRUE(Prompt.Shown.empty());
}

TEST_F(Learning, TooFewDifferentAnswersEndTheDrawing) {
  for (int i = 0; i < 30; ++i) Dict->AddOrUpdateQuestion(Q(i), i < 3 ? A(i) : "same", "");
  Prompt.Shown.clear();
  Settings.CurAnswersCount = 4;  // four different answers exist: a100, a101, a102, same
  ASSERT_TRUE(Dict->BeginExamination(20, 3));
  TExamQuestion card;
  for (int k = 0; k < 20; ++k) ASSERT_TRUE(Dict->NextQuestion(card, false));
  Settings.CurAnswersCount = 5;
  ASSERT_TRUE(Dict->BeginExamination(20, 3));
  EXPECT_FALSE(Dict->NextQuestion(card, false));
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>{
                                "Can't draw the answer variants: the dictionary holds fewer different answers than 5 "
                                "variants"});
}

TEST_F(Learning, ExaminationLength) {
  ASSERT_TRUE(Dict->BeginExamination(30, 3));
  EXPECT_EQ(Dict->Totals.Count, 30);
  TExamQuestion card;
  for (int k = 0; k < 30; ++k) {
    EXPECT_TRUE(Dict->HasQuestionsLeft());
    ASSERT_TRUE(Dict->NextQuestion(card, false)) << k;
  }
  EXPECT_EQ(Dict->Drawn, 30);
  EXPECT_FALSE(Dict->NextQuestion(card, false));
  EXPECT_EQ(Dict->Drawn, 31);
  EXPECT_EQ(Dict->Totals.Drawn, 31);
  EXPECT_FALSE(Dict->HasQuestionsLeft());
  // Every shown question was recorded once: 30 outcomes by the 31st call.
  int32_t shown = 0;
  TQuestionInfo q;
  for (int32_t i = 0; Dict->GetQuestionInfo(i, q); ++i) shown += q.ShowCount;
  EXPECT_EQ(shown, 30);
}

TEST_F(Learning, NotUsableDictionaryStartsNoExamination) {
  for (int i = 0; i < 15; ++i) {
    Prompt.Answers = {dbYes};
    Dict->DeleteQuestion(Q(i));
  }
  Dict->Totals.Right = 77;
  EXPECT_FALSE(Dict->BeginExamination(10, 3));
  EXPECT_EQ(Dict->Totals.Right, 77);
  TDictSummary s;
  s.AllQuestions = 5;
  Dict->GetSummary(s);
  EXPECT_EQ(s.AllQuestions + s.NewQuestions + s.ShowedAlready + s.LearnedAlready + s.UnlearnedYet, 0);
  TExamQuestion card;
  EXPECT_FALSE(Dict->NextQuestion(card, false));
}

TEST_F(Learning, ThresholdSweeps) {
  struct TCase {
    int32_t Status, RightInRow, ToStatus, ToRightInRow;
  };
  // Lowering NTK from 5 to 2, then UTK from 5 to 3.
  const TCase cases[] = {{qsNew, 0, qsNew, 0},           {qsNew, 1, qsNew, 1},
                         {qsNew, 2, qsLearned, 0},       {qsNew, 4, qsLearned, 0},
                         {qsLearning, 2, qsLearning, 2}, {qsLearning, 3, qsLearned, 0},
                         {qsLearning, 9, qsLearned, 0},  {qsLearned, 6, qsLearned, 6}};
  Dict->SetNTK(5);
  Dict->SetUTK(5);
  for (size_t i = 0; i < std::size(cases); ++i) Set(Q(static_cast<int>(i)), cases[i].Status, cases[i].RightInRow);
  ASSERT_TRUE(Dict->BeginExamination(10, 3));
  Dict->SetNTK(2);
  Dict->SetUTK(3);
  for (size_t i = 0; i < std::size(cases); ++i) {
    TQuestionInfo q = Info(Q(static_cast<int>(i)));
    EXPECT_EQ(q.Status, cases[i].ToStatus) << i;
    EXPECT_EQ(q.RightInRow, cases[i].ToRightInRow) << i;
  }
  EXPECT_EQ(Dict->Totals.LearnedFromNew + Dict->Totals.LearnedFromLearning, 0);
  EXPECT_EQ(Dict->NTK, 2);
  EXPECT_EQ(Dict->UTK, 3);
  for (uint8_t bad : {0, 11, 255}) {
    Dict->SetNTK(bad);
    Dict->SetUTK(bad);
  }
  EXPECT_EQ(Dict->NTK, 2);
  EXPECT_EQ(Dict->UTK, 3);
  EXPECT_EQ(Prompt.Texts(), std::vector<std::string>(6, "The number must be between 1 and 10"));
}

TEST_F(Learning, LoadingSweepsWithTheStoredThresholds) {
  Set(Q(0), qsNew, 4);
  Set(Q(1), qsLearning, 3);
  Set(Q(2), qsNew, 2);
  Dict->SetInfo(TDictInfo{"", "", "", 3, 3, 0});
  EXPECT_EQ(Info(Q(0)).Status, qsLearned);
  EXPECT_EQ(Info(Q(1)).Status, qsLearned);
  EXPECT_EQ(Info(Q(2)).Status, qsNew);
}

TEST_F(Learning, Summary) {
  Set(Q(0), qsNew, 1);
  Set(Q(1), qsNew, 2);
  Set(Q(2), qsLearned, 0);
  Set(Q(3), qsLearning, 0);
  Set(Q(4), 9, 0);
  Set(Q(5), -1, 0);
  TDictSummary s;
  Dict->GetSummary(s);
  EXPECT_EQ(s.AllQuestions, 30);
  EXPECT_EQ(s.ShowedAlready, 2);
  EXPECT_EQ(s.NewQuestions, 24);
  EXPECT_EQ(s.LearnedAlready, 1);
  EXPECT_EQ(s.UnlearnedYet, 3);
  EXPECT_EQ(Dict->CountByStatus(qsLearning), 1);
  EXPECT_EQ(Dict->CountByStatus(9), 1);
  EXPECT_EQ(Dict->CountByStatus(5), 0);
}

}  // namespace
