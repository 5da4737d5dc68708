#include "ui/ViewDict.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "DictWindowsFixture.h"

namespace {

class ViewDictTest : public DictWindowsTest {
 protected:
  std::unique_ptr<TFormViewDict> Open(TSmartDict& D, const std::string& Start = "") {
    auto v = TFormViewDict::Create(nullptr, Start, D);
    if (v) v->show();
    return v;
  }
  static void Key(TFormViewDict& V, Qt::Key K, Qt::KeyboardModifiers M = Qt::NoModifier) { QTest::keyClick(V.sgDict, K, M); }
  static void Type(TFormViewDict& V, const char* Letters) { QTest::keyClicks(V.sgDict, Letters); }
  static std::vector<std::string> Questions(TFormViewDict& V) {
    std::vector<std::string> q;
    for (int r = 0; r < TFormViewDict::PageRows; ++r) q.push_back(V.sgDict->item(r, 0)->text().toStdString());
    return q;
  }
  // The page as the dictionary holds it: questions First..Last, then empty rows.
  static std::vector<std::string> Page(TSmartDict& D, int32_t First, int32_t Last) {
    std::vector<std::string> q;
    TQuestionInfo info;
    for (int32_t p = First; p < First + TFormViewDict::PageRows; ++p)
      q.push_back(p <= Last && D.GetQuestionInfo(p, info) ? info.Question : std::string());
    return q;
  }
  static void ExpectPage(TSmartDict& D, TFormViewDict& V, int32_t First, int32_t Last, int Row) {
    EXPECT_EQ(V.First(), First);
    EXPECT_EQ(V.Last(), Last);
    EXPECT_EQ(V.SelectedRow(), Row);
    EXPECT_EQ(Questions(V), Page(D, First, Last));
  }
};

TEST_F(ViewDictTest, DoesNotOpenOnAnEmptyDictionary) {
  auto empty = OpenDict({});
  EXPECT_EQ(TFormViewDict::Create(nullptr, "", *empty), nullptr);
  EXPECT_EQ(TFormViewDict::Create(nullptr, "w", *empty), nullptr);
  auto one = OpenDict(Numbered(1));
  auto v = Open(*one);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->windowTitle(), "Select Question");
  EXPECT_EQ(v->sgDict->horizontalHeaderItem(2)->text(), "Commentary");
  ExpectPage(*one, *v, 0, 0, 1);
  EXPECT_EQ(v->sgDict->item(0, 1)->text(), "a100");
  EXPECT_EQ(v->sgDict->item(0, 2)->text(), "c0");
  EXPECT_EQ(v->Chosen(), -1);
}

TEST_F(ViewDictTest, FirstPageStartsAtTheStartText) {
  auto d = OpenDict(Numbered(30));
  struct {
    const char* Start;
    int32_t First;
  } cases[] = {
      {"w105", 5},   // the question itself
      {"w12", 20},   // the first question starting with it
      {"w1055", 6},  // none starts with it: the next one in order
      {"", 0},
      {"zzz", 29},  // after the last question: the last one
      {"a", 0},     // before the first question: the first one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Start);
    auto v = Open(*d, c.Start);
    ASSERT_NE(v, nullptr);
    ExpectPage(*d, *v, c.First, std::min(c.First + 10, 29), 1);
  }
}

TEST_F(ViewDictTest, ArrowsMoveTheSelectionAndScrollByOne) {
  auto d = OpenDict(Numbered(30));
  auto v = Open(*d);
  for (int i = 0; i < 10; ++i) Key(*v, Qt::Key_Down);
  ExpectPage(*d, *v, 0, 10, 11);
  Key(*v, Qt::Key_Down);
  ExpectPage(*d, *v, 1, 11, 11);
  Key(*v, Qt::Key_Right);
  ExpectPage(*d, *v, 2, 12, 11);
  Key(*v, Qt::Key_Up);
  ExpectPage(*d, *v, 2, 12, 10);
  for (int i = 0; i < 9; ++i) Key(*v, Qt::Key_Up);
  ExpectPage(*d, *v, 2, 12, 1);
  Key(*v, Qt::Key_Up);
  ExpectPage(*d, *v, 1, 11, 1);
  Key(*v, Qt::Key_Left);
  ExpectPage(*d, *v, 0, 10, 1);
  Key(*v, Qt::Key_Up);  // nothing above the first question
  ExpectPage(*d, *v, 0, 10, 1);
}

TEST_F(ViewDictTest, PageKeysHomeAndEnd) {
  auto d = OpenDict(Numbered(30));
  auto v = Open(*d);
  Key(*v, Qt::Key_PageDown);  // not on the last row: selects it
  ExpectPage(*d, *v, 0, 10, 11);
  Key(*v, Qt::Key_PageDown);
  ExpectPage(*d, *v, 11, 21, 11);
  Key(*v, Qt::Key_PageUp);  // not on the first row: the grid moves to it
  ExpectPage(*d, *v, 11, 21, 1);
  Key(*v, Qt::Key_PageUp);
  ExpectPage(*d, *v, 0, 10, 1);
  Key(*v, Qt::Key_End);
  ExpectPage(*d, *v, 29, 29, 1);
  Key(*v, Qt::Key_Home);
  ExpectPage(*d, *v, 0, 10, 1);

  v = Open(*d, "w105");
  Key(*v, Qt::Key_PageUp);  // fewer than 11 above: the first existing position
  ExpectPage(*d, *v, 0, 10, 1);
}

TEST_F(ViewDictTest, PageDownNearTheEnd) {
  auto d = OpenDict(Numbered(30));
  auto v = Open(*d, "w115");
  Key(*v, Qt::Key_PageDown);
  Key(*v, Qt::Key_PageDown);  // four questions follow
  ExpectPage(*d, *v, 26, 29, 4);
  EXPECT_EQ(v->sgDict->item(4, 0)->text(), "");
  EXPECT_EQ(v->sgDict->item(10, 1)->text(), "");
  Key(*v, Qt::Key_Down);  // no row below the last question
  ExpectPage(*d, *v, 26, 29, 4);

  v = Open(*d, "w119");
  Key(*v, Qt::Key_PageDown);
  ExpectPage(*d, *v, 19, 29, 11);
  Key(*v, Qt::Key_PageDown);  // nothing follows: the page stays
  ExpectPage(*d, *v, 19, 29, 11);
}

TEST_F(ViewDictTest, LettersSearchTheQuestions) {
  std::vector<TFixtureQuestion> q;
  for (const char* w : {"apple", "cat", "cow", "dig", "do", "dog", "dogma", "dot", "egg", "fig"}) q.push_back({w, "x", ""});
  auto more = Numbered(20);  // w100..: more pages
  q.insert(q.end(), more.begin(), more.end());
  q.push_back({"zeta", "x", ""});
  q.push_back({"zulu", "x", ""});
  auto d = OpenDict(q);
  auto v = Open(*d);
  auto selected = [&] { return v->sgDict->item(v->SelectedRow() - 1, 0)->text().toStdString(); };
  Type(*v, "d");
  EXPECT_EQ(selected(), "dig");
  EXPECT_EQ(v->Search(), "d");
  Type(*v, "o");
  EXPECT_EQ(selected(), "do");
  Type(*v, "g");
  EXPECT_EQ(selected(), "dog");
  EXPECT_EQ(v->Search(), "dog");
  Type(*v, "x");  // matches nothing: dropped
  EXPECT_EQ(selected(), "dog");
  EXPECT_EQ(v->Search(), "dog");
  Type(*v, "m");
  EXPECT_EQ(selected(), "dogma");
  QTest::keyClick(v->sgDict, 'D', Qt::ShiftModifier);  // shifted keys start over; no question starts with "D"
  EXPECT_EQ(v->Search(), "");
  EXPECT_EQ(selected(), "dogma");
  Type(*v, "do");
  EXPECT_EQ(v->Search(), "do");
  Key(*v, Qt::Key_Down);
  EXPECT_EQ(v->Search(), "");
  EXPECT_EQ(selected(), "dog");
  Type(*v, "z1");  // beyond the page: shown from there; digits are no search letters
  EXPECT_EQ(v->First(), 30);
  EXPECT_EQ(selected(), "zeta");
  EXPECT_EQ(v->Search(), "");
}

TEST_F(ViewDictTest, EnterOkAndDoubleClickChooseEscapeAndCancelDoNot) {
  auto d = OpenDict(Numbered(30));
  for (int way = 0; way < 5; ++way) {
    SCOPED_TRACE(way);
    auto v = Open(*d, "w103");
    Key(*v, Qt::Key_Down);
    Key(*v, Qt::Key_Down);
    if (way == 0) Key(*v, Qt::Key_Return);
    if (way == 1) QTest::mouseClick(v->btOk, Qt::LeftButton);
    if (way == 2) {
      const QPoint at = v->sgDict->visualItemRect(v->sgDict->item(2, 1)).center();
      QTest::mouseClick(v->sgDict->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(v->sgDict->viewport(), Qt::LeftButton, {}, at);
    }
    if (way == 3) Key(*v, Qt::Key_Escape);
    if (way == 4) QTest::mouseClick(v->btCancel, Qt::LeftButton);
    const bool chosen = way < 3;
    EXPECT_EQ(v->result(), chosen ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(v->Chosen(), chosen ? 5 : -1);
    EXPECT_FALSE(v->isVisible());
  }
}

}  // namespace
