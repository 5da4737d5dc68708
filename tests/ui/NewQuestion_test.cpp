#include "ui/NewQuestion.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "DictWindowsFixture.h"
#include "ui/ViewDict.h"
#include "ui/WinColors.h"

namespace {

class NewQuestionTest : public DictWindowsTest {
 protected:
  void SetUp() override {
    DictWindowsTest::SetUp();
    std::vector<TFixtureQuestion> q = {{"cat", "Katze", "animal"}, {"cow", "Kuh", "farm"}, {"dog", "Hund", "pet"}};
    auto more = Numbered(16);  // a usable dictionary
    q.insert(q.end(), more.begin(), more.end());
    Dict = OpenDict(q);
    Form = std::make_unique<TFormNewQuestion>(nullptr, *Dict);
    Form->show();
    Form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Form->edQ->setFocus();
  }

  void Type(const char* Text) { QTest::keyClicks(Form->edQ, Text); }
  bool Green() const { return Form->edQ->palette().color(QPalette::Text) == QColor(0, 128, 0); }
  TQuestionInfo Info(const std::string& Q) const {
    int32_t p = -1;
    TQuestionInfo info;
    EXPECT_TRUE(Dict->FindQuestion(Q, p)) << Q;
    Dict->GetQuestionInfo(p, info);
    return info;
  }
  void ExpectUnknown() {
    EXPECT_FALSE(Green());
    EXPECT_EQ(Form->edQ->palette().color(QPalette::Text), WinColor(0x80000008u));
    EXPECT_EQ(Form->btAdd->text(), "Apply");
    EXPECT_FALSE(Form->btDelete->isEnabled());
    EXPECT_EQ(Form->lbShowCount->text(), "0");
    EXPECT_EQ(Form->lbStatus->text(), "New");
  }

  TFakePrompt Prompts;
  std::unique_ptr<TSmartDict> Dict;
  std::unique_ptr<TFormNewQuestion> Form;
};

TEST_F(NewQuestionTest, OpensEmpty) {
  EXPECT_EQ(Form->windowTitle(), "Edit Questions");
  EXPECT_TRUE(Form->edQ->text().isEmpty());
  EXPECT_TRUE(Form->edA->text().isEmpty());
  ExpectUnknown();
  EXPECT_FALSE(Form->btAdd->isEnabled());
  EXPECT_EQ(Form->lbDictQCount->text(), "19");
  EXPECT_EQ(Form->edQ->toolTip(), "Press Ctrl+Space to select");
}

TEST_F(NewQuestionTest, TypingCompletesWithTheTailSelected) {
  Type("c");
  EXPECT_EQ(Form->edQ->text(), "cat");
  EXPECT_EQ(Form->edQ->selectedText(), "at");
  Type("a");
  EXPECT_EQ(Form->edQ->text(), "cat");
  EXPECT_EQ(Form->edQ->selectedText(), "t");
  EXPECT_EQ(Form->edA->text(), "Katze");
  EXPECT_EQ(Form->edC->text(), "animal");
  EXPECT_TRUE(Green());
  EXPECT_EQ(Form->btAdd->text(), "Update");
  EXPECT_TRUE(Form->btAdd->isEnabled());
  EXPECT_TRUE(Form->btDelete->isEnabled());
  Type("o");  // replaces the selected tail; nothing starts with "cao"
  EXPECT_EQ(Form->edQ->text(), "cao");
  ExpectUnknown();
  EXPECT_EQ(Form->edA->text(), "Katze");
}

TEST_F(NewQuestionTest, BackspaceAndDeleteDoNotCompleteAgain) {
  for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) {
    SCOPED_TRACE(key);
    Form->edQ->clear();
    Type("co");
    EXPECT_EQ(Form->edQ->text(), "cow");
    EXPECT_EQ(Form->edQ->selectedText(), "w");
    QTest::keyClick(Form->edQ, key);
    EXPECT_EQ(Form->edQ->text(), "co");
    ExpectUnknown();
    QTest::keyClick(Form->edQ, Qt::Key_Backspace);
    EXPECT_EQ(Form->edQ->text(), "c");
    Type("o");  // typing on completes again
    EXPECT_EQ(Form->edQ->text(), "cow");
  }
}

TEST_F(NewQuestionTest, ApplyNeedsAnAnswerAndAddsTheQuestion) {
  Type("zebra");
  EXPECT_EQ(Form->edQ->text(), "zebra");
  ExpectUnknown();
  EXPECT_FALSE(Form->btAdd->isEnabled());
  QTest::keyClicks(Form->edA, "Zebra");
  EXPECT_TRUE(Form->btAdd->isEnabled());
  QTest::keyClicks(Form->edC, "stripes");
  QTest::mouseClick(Form->btAdd, Qt::LeftButton);
  EXPECT_EQ(Prompts.Texts(), std::vector<std::string>{"New question successfully added"});
  const TQuestionInfo added = Info("zebra");
  EXPECT_EQ(added.Answer, "Zebra");
  EXPECT_EQ(added.Comment, "stripes");
  EXPECT_EQ(Form->lbDictQCount->text(), "20");
  EXPECT_TRUE(Green());
  EXPECT_EQ(Form->btAdd->text(), "Update");
}

TEST_F(NewQuestionTest, UpdateReplacesTheAnswer) {
  Type("dog");
  EXPECT_EQ(Form->btAdd->text(), "Update");
  Form->edA->setText("Köter");
  QTest::mouseClick(Form->btAdd, Qt::LeftButton);
  EXPECT_EQ(Prompts.Texts(), std::vector<std::string>{"Question was sucessfully updated"});
  EXPECT_EQ(Info("dog").Answer, "Köter");
  EXPECT_EQ(Info("dog").Comment, "pet");
  EXPECT_EQ(Form->lbDictQCount->text(), "19");
}

TEST_F(NewQuestionTest, DeleteAsksFirst) {
  Type("dog");
  Prompts.Answers = {dbCancel};
  QTest::mouseClick(Form->btDelete, Qt::LeftButton);
  EXPECT_EQ(Prompts.Texts(), std::vector<std::string>{"Remove the question \"dog\"?"});
  EXPECT_TRUE(Green());
  EXPECT_EQ(Form->lbDictQCount->text(), "19");

  Prompts.Shown.clear();
  Prompts.Answers = {dbYes};
  QTest::mouseClick(Form->btDelete, Qt::LeftButton);
  EXPECT_EQ(Prompts.Texts(), (std::vector<std::string>{"Remove the question \"dog\"?", "Question was sucesfully removed"}));
  int32_t p = 0;
  EXPECT_FALSE(Dict->FindQuestion("dog", p));
  ExpectUnknown();
  EXPECT_EQ(Form->lbDictQCount->text(), "18");
  EXPECT_EQ(Form->edQ->text(), "dog");
}

TEST_F(NewQuestionTest, ShowsCountAndLearningState) {
  Dict->RecordWrong("cow");
  Dict->RecordWrong("cow");
  Dict->NTK = 1;
  Dict->RecordRight("cat");
  struct {
    const char* Question;
    const char* Status;
    const char* Shown;
  } cases[] = {{"cow", "Learning now", "2"}, {"cat", "Already learned", "1"}, {"dog", "New", "0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Question);
    Form->edQ->clear();
    Type(c.Question);
    EXPECT_EQ(Form->lbStatus->text(), c.Status);
    EXPECT_EQ(Form->lbShowCount->text(), c.Shown);
    EXPECT_EQ(Form->lbShowCount->text().toInt(), Info(c.Question).ShowCount);
  }
}

TEST_F(NewQuestionTest, WordsCountIsZeroForAnUnusableDictionary) {
  auto small = OpenDict({{"one", "1", ""}});
  TFormNewQuestion f(nullptr, *small);
  EXPECT_EQ(f.lbDictQCount->text(), "0");
}

TEST_F(NewQuestionTest, ViewerPicksTheQuestionAndCancelLeavesItUnchanged) {
  int runs = 0;
  int32_t first = -1;
  bool choose = false;
  Form->RunViewer = [&](TFormViewDict& V) {
    ++runs;
    first = V.First();
    if (choose) {
      QTest::keyClick(V.sgDict, Qt::Key_Down);
      QTest::keyClick(V.sgDict, Qt::Key_Return);
    } else {
      QTest::keyClick(V.sgDict, Qt::Key_Down);
      QTest::keyClick(V.sgDict, Qt::Key_Escape);
    }
    return V.result();
  };
  Type("co");
  QTest::keyClick(Form->edQ, Qt::Key_Backspace);  // "co": the viewer starts at cow
  QTest::keyClick(Form->edQ, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(first, Info("cow").Index);
  EXPECT_EQ(Form->edQ->text(), "co");

  choose = true;
  QTest::mouseClick(Form->btChoose, Qt::LeftButton);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(Form->edQ->text(), "dog");
  EXPECT_EQ(Form->edA->text(), "Hund");
  EXPECT_EQ(Form->edC->text(), "pet");
  EXPECT_TRUE(Green());
}

TEST_F(NewQuestionTest, ViewerDoesNotOpenOnAnEmptyDictionary) {
  auto empty = OpenDict({});
  TFormNewQuestion f(nullptr, *empty);
  int runs = 0;
  f.RunViewer = [&](TFormViewDict&) { return ++runs; };
  f.pmiSelectClick();
  EXPECT_EQ(runs, 0);
}

TEST_F(NewQuestionTest, SelectIsOnlyOfferedWhileTheQuestionHasTheFocus) {
  Form->pmQPopup();
  EXPECT_TRUE(Form->pmiSelect->isEnabled());
  Form->edA->setFocus();
  Form->pmQPopup();
  EXPECT_FALSE(Form->pmiSelect->isEnabled());
}

TEST_F(NewQuestionTest, EscapeCloses) {
  QTest::keyClick(Form->edQ, Qt::Key_Escape);
  EXPECT_FALSE(Form->isVisible());
  EXPECT_EQ(Form->result(), QDialog::Rejected);
}

}  // namespace
