#include "ui/ExamResults.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "OptionsTestSupport.h"
#include "charting/BarChart.h"

namespace {

const char* const Pictures[] = {"Img5Plus", "Img5", "Img4", "Img3", "Img2"};

class ResultsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetSettings(); }

  static TExamTotals Totals(int Drawn, int Right, int Wrong, int Hints, int FromNew = 0, int FromLearning = 0) {
    TExamTotals t;
    t.Count = Drawn;
    t.Drawn = Drawn;
    t.Right = Right;
    t.Wrong = Wrong;
    t.Hints = Hints;
    t.LearnedFromNew = FromNew;
    t.LearnedFromLearning = FromLearning;
    return t;
  }
  template <class T>
  static T* Find(QWidget& W, const char* Name) {
    T* w = W.findChild<T*>(Name);
    EXPECT_NE(w, nullptr) << Name;
    return w;
  }
  // The names of the grade pictures that are not hidden.
  static std::vector<std::string> ShownPictures(TExamResults& R) {
    std::vector<std::string> shown;
    for (const char* name : Pictures)
      if (!Find<QLabel>(R, name)->isHidden()) shown.push_back(name);
    return shown;
  }

  TFakeSoundPlayer Sounds;
};

struct TCase {
  int Drawn, Right, Wrong, Hints;
  const char* Score;
  const char* Picture;
  int Sound;
};

// One or more rows for each category, on both sides of the rounding.
const TCase Cases[] = {
    {30, 30, 0, 0, "10", "Img5Plus", 10},  // P = 0
    {30, 27, 3, 0, "9", "Img5Plus", 10},   // P = 10
    {40, 39, 1, 0, "9", "Img5Plus", 10},   // 2.5 rounds to 2
    {40, 37, 3, 0, "9", "Img5Plus", 10},   // 7.5 rounds to 8
    {40, 30, 5, 5, "8", "Img5", 11},       // P = 25
    {30, 21, 6, 3, "7", "Img5", 11},       // P = 30
    {30, 16, 14, 0, "6", "Img4", 12},      // 46.67 rounds to 47
    {30, 15, 15, 0, "5", "Img4", 12},      // P = 50
    {30, 10, 20, 0, "4", "Img3", 13},      // 66.67 rounds to 67
    {10, 3, 5, 2, "3", "Img3", 13},        // P = 70
    {10, 2, 4, 4, "2", "Img2", 14},        // P = 80
    {30, 3, 27, 0, "1", "Img2", 14},       // P = 90
    {30, 0, 75, 5, "1", "Img2", 14},       // P far above 100
};

TEST_F(ResultsTest, EachRatingShowsItsScoreItsOnePictureAndPlaysItsSound) {
  for (const TCase& c : Cases) {
    SCOPED_TRACE(testing::Message() << c.Drawn << " drawn, " << c.Wrong << " wrong, " << c.Hints << " hints");
    Sounds.Played.clear();
    Sounds.NoStops.clear();
    TExamResults r(nullptr, Totals(c.Drawn, c.Right, c.Wrong, c.Hints));
    EXPECT_EQ(Find<QLabel>(r, "lbBall")->text(), QString("Your result: ") + c.Score);
    EXPECT_EQ(ShownPictures(r), std::vector<std::string>{c.Picture});
    EXPECT_EQ(Sounds.Played, std::vector<std::string>{Settings.Sounds[c.Sound].FileName});
    EXPECT_EQ(Sounds.NoStops, std::vector<bool>{false});
    EXPECT_EQ(r.Rating().SoundEvent, c.Sound);
  }
}

TEST_F(ResultsTest, BarsShowTheSixCountsInOrder) {
  const TExamTotals t = Totals(30, 25, 7, 4, 5, 3);
  TExamResults r(nullptr, t);
  auto* chart = Find<TBarChart>(r, "Chart1");
  ASSERT_EQ(chart->BarCount(), 6);
  const std::pair<const char*, double> bars[] = {{"Total Questions", 30}, {"Total Answers", 36}, {"Right answers", 25},
                                                 {"Wrong answers", 7},    {"Hints", 4},          {"Words learned", 8}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(chart->BarLabel(i), bars[i].first);
    EXPECT_EQ(chart->BarValue(i), bars[i].second);
  }
  // The window keeps its own copy.
  EXPECT_EQ(r.Totals().Wrong, 7);
  EXPECT_EQ(r.Totals().LearnedFromLearning, 3);
}

TEST_F(ResultsTest, ThePerfectExaminationReadsThirtyThirtyThirtyNoughtNought) {
  TExamResults r(nullptr, Totals(30, 30, 0, 0, 12, 0));
  auto* chart = Find<TBarChart>(r, "Chart1");
  std::vector<double> values;
  for (int i = 0; i < chart->BarCount(); ++i) values.push_back(chart->BarValue(i));
  EXPECT_EQ(values, (std::vector<double>{30, 30, 30, 0, 0, 12}));
  EXPECT_EQ(Find<QLabel>(r, "lbBall")->text(), "Your result: 10");
}

TEST_F(ResultsTest, NoSoundWhenTheSoundsOrTheEventAreOff) {
  Settings.SoundON = false;
  { TExamResults r(nullptr, Totals(30, 30, 0, 0)); }
  Settings.SoundON = true;
  Settings.Sounds[14].Enabled = false;
  { TExamResults r(nullptr, Totals(30, 0, 30, 0)); }
  EXPECT_TRUE(Sounds.Played.empty());
  { TExamResults r(nullptr, Totals(30, 15, 15, 0)); }
  EXPECT_EQ(Sounds.Played.size(), 1u);
}

TEST_F(ResultsTest, LayoutNamesAndTexts) {
  TExamResults r(nullptr, Totals(30, 30, 0, 0));
  EXPECT_EQ(r.objectName(), "fmExamResults");
  EXPECT_EQ(r.windowTitle(), "Examination Results");
  EXPECT_EQ(r.size(), QSize(442, 249));
  EXPECT_EQ(r.minimumSize(), r.maximumSize());
  EXPECT_EQ(Find<QWidget>(r, "Panel1")->geometry(), QRect(3, 3, 435, 213));
  EXPECT_EQ(Find<QWidget>(r, "Chart1")->geometry(), QRect(112, 38, 313, 146));
  EXPECT_EQ(Find<QWidget>(r, "Img5Plus")->geometry(), QRect(8, 40, 96, 96));
  EXPECT_EQ(Find<QWidget>(r, "Img2")->geometry(), QRect(8, 40, 97, 97));
  EXPECT_EQ(Find<QWidget>(r, "OKButton")->geometry(), QRect(3, 222, 436, 25));
  auto* headline = Find<QLabel>(r, "Label1");
  EXPECT_EQ(headline->text(), "Test complete!");
  EXPECT_TRUE(headline->font().bold());
  EXPECT_EQ(headline->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
  EXPECT_EQ(Find<QLabel>(r, "lbBall")->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
  EXPECT_EQ(Find<QPushButton>(r, "OKButton")->text(), "OK");
  // Every control lies inside the window.
  for (QWidget* w : r.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(r.rect().contains(w->geometry())) << w->objectName().toStdString();
}

TEST_F(ResultsTest, OkClosesWithTheOkResult) {
  TExamResults r(nullptr, Totals(30, 30, 0, 0));
  r.show();
  QTest::mouseClick(Find<QPushButton>(r, "OKButton"), Qt::LeftButton);
  EXPECT_FALSE(r.isVisible());
  EXPECT_EQ(r.result(), QDialog::Accepted);
}

TEST_F(ResultsTest, PicturesComeFromTheInstallFolderOrAreDrawnWhenMissing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  Settings.InstallDir = dir.path().toStdString() + "/";
  ASSERT_TRUE(QDir(dir.path()).mkpath("Pictures"));
  // Each file its own colour; grade 3's file is missing and grade 4's is not a picture.
  const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta};
  for (int cat : {0, 1, 4}) {
    QImage img(48, 48, QImage::Format_RGB32);
    img.fill(colours[cat]);
    ASSERT_TRUE(img.save(QString::fromStdString(TExamResults::GradePictureFile(cat))));
  }
  {
    QFile junk(QString::fromStdString(TExamResults::GradePictureFile(2)));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
  }
  EXPECT_EQ(TExamResults::GradePictureFile(0), Settings.InstallDir + "Pictures/grade-5plus.png");
  EXPECT_EQ(TExamResults::GradePictureFile(4), Settings.InstallDir + "Pictures/grade-2.png");
  EXPECT_EQ(TExamResults::GradePictureFile(7), TExamResults::GradePictureFile(4));

  const std::pair<TExamTotals, int> cases[] = {{Totals(30, 30, 0, 0), 0}, {Totals(30, 21, 6, 3), 1},
                                               {Totals(30, 15, 15, 0), 2}, {Totals(30, 10, 20, 0), 3},
                                               {Totals(30, 3, 27, 0), 4}};
  for (const auto& [totals, cat] : cases) {
    SCOPED_TRACE(cat);
    TExamResults r(nullptr, totals);
    auto* label = Find<QLabel>(r, Pictures[cat]);
    const QImage shown = label->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    const QColor centre = shown.pixelColor(shown.width() / 2, shown.height() / 2);
    if (cat == 2 || cat == 3) {
      // Drawn: a ring with the grade in it, on a white face.
      EXPECT_EQ(shown.size(), label->size());
      EXPECT_EQ(shown.pixelColor(shown.width() / 2, 12), Qt::white);
      EXPECT_EQ(shown.pixelColor(1, 1).alpha(), 0);
    } else {
      EXPECT_EQ(centre, colours[cat]);
    }
  }
}

}  // namespace
