#include "charting/BarChart.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct TSize {
  int Width, Height;
};

// The size of the results window's chart, the statistics page's, and some
// far from both.
const TSize Sizes[] = {{313, 146}, {420, 230}, {700, 400}, {200, 90}, {1200, 700}};

void AddSix(TBarChart& C) {
  C.AddBar("Total Questions", 30);
  C.AddBar("Total Answers", 36);
  C.AddBar("Right answers", 24);
  C.AddBar("Wrong answers", 9);
  C.AddBar("Hints", 3);
  C.AddBar("Words learned", 0);
}

QImage Paint(TBarChart& C) { return C.grab().toImage(); }

TEST(BarChart, BarsKeepTheirOrderLabelsAndValuesAndClearEmpties) {
  TBarChart c;
  EXPECT_EQ(c.BarCount(), 0);
  AddSix(c);
  ASSERT_EQ(c.BarCount(), 6);
  EXPECT_EQ(c.BarLabel(0), "Total Questions");
  EXPECT_EQ(c.BarValue(0), 30);
  EXPECT_EQ(c.BarLabel(4), "Hints");
  EXPECT_EQ(c.BarValue(4), 3);
  EXPECT_EQ(c.BarLabel(5), "Words learned");
  EXPECT_EQ(c.BarValue(5), 0);
  c.Clear();
  EXPECT_EQ(c.BarCount(), 0);
  c.AddBar("All questions", 7);
  ASSERT_EQ(c.BarCount(), 1);
  EXPECT_EQ(c.BarLabel(0), "All questions");
  // Colours start over after Clear, so a refilled chart looks the same.
  EXPECT_EQ(c.BarColor(0), TBarChart::PaletteColor(0));
}

TEST(BarChart, EachBarHasItsOwnColourUnlessOneIsGiven) {
  TBarChart c;
  AddSix(c);
  QSet<QRgb> colours;
  for (int i = 0; i < c.BarCount(); ++i) colours.insert(c.BarColor(i).rgb());
  EXPECT_EQ(colours.size(), 6);
  c.AddBar("Mine", 1, QColor(1, 2, 3));
  EXPECT_EQ(c.BarColor(6), QColor(1, 2, 3));
}

TEST(BarChart, MarksWriteTheValues) {
  TBarChart c;
  c.AddBar("a", 30);
  c.AddBar("b", 0);
  c.AddBar("c", -4);
  c.AddBar("d", 2.5);
  EXPECT_EQ(c.BarMark(0), "30");
  EXPECT_EQ(c.BarMark(1), "0");
  EXPECT_EQ(c.BarMark(2), "-4");
  EXPECT_EQ(c.BarMark(3), "2.5");
}

TEST(BarChart, AtEverySizeBarsStandOnOneBaselineInProportionAndNothingLeavesTheWidget) {
  for (const TSize& s : Sizes) {
    SCOPED_TRACE(testing::Message() << s.Width << "x" << s.Height);
    TBarChart c;
    AddSix(c);
    c.resize(s.Width, s.Height);
    const TBarChart::TLayout l = c.Layout();
    ASSERT_EQ(l.Bars.size(), 6);
    const QRect inside = c.rect();
    EXPECT_GT(l.Depth, 0);
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(i);
      const QRect& b = l.Bars[i];
      EXPECT_EQ(b.bottom() + 1, l.Baseline);
      EXPECT_NEAR(b.height(), l.Bars[0].height() * c.BarValue(i) / c.BarValue(0), 1.0);
      // The top face and the mark stay in the widget, clear of the legend.
      EXPECT_TRUE(inside.contains(b.translated(l.Depth, -l.Depth)));
      EXPECT_TRUE(inside.contains(l.Marks[i]));
      EXPECT_LT(b.right() + l.Depth, l.Legend.left());
      EXPECT_LT(l.Marks[i].bottom(), b.top() - l.Depth);
      if (i > 0) {
        EXPECT_GT(b.left(), l.Bars[i - 1].right());
      }
      EXPECT_TRUE(l.Legend.contains(l.LegendItems[i]));
    }
    EXPECT_TRUE(inside.contains(l.Legend));
    // Tall bar: most of the height is used.
    EXPECT_GT(l.Bars[1].height(), s.Height / 3);
    EXPECT_GE(l.FontPixels, 8);
  }
}

TEST(BarChart, TheFontGrowsWithTheChart) {
  TBarChart c;
  AddSix(c);
  c.resize(313, 146);
  const int small = c.Layout().FontPixels;
  c.resize(700, 400);
  EXPECT_GT(c.Layout().FontPixels, small);
}

TEST(BarChart, NegativeValuesHangBelowTheSameBaseline) {
  TBarChart c;
  c.AddBar("up", 10);
  c.AddBar("down", -5);
  c.resize(313, 146);
  const TBarChart::TLayout l = c.Layout();
  EXPECT_EQ(l.Bars[0].bottom() + 1, l.Baseline);
  EXPECT_EQ(l.Bars[1].top(), l.Baseline);
  EXPECT_NEAR(l.Bars[1].height() * 2, l.Bars[0].height(), 2);
  EXPECT_TRUE(c.rect().contains(l.Marks[1]));
  EXPECT_GT(l.Marks[1].top(), l.Bars[1].bottom());
}

TEST(BarChart, AllZeroAndEmptyChartsPaintWithoutBars) {
  TBarChart c;
  c.resize(313, 146);
  EXPECT_FALSE(Paint(c).isNull());
  c.AddBar("none", 0);
  c.AddBar("none either", 0);
  const TBarChart::TLayout l = c.Layout();
  EXPECT_EQ(l.Bars[0].height(), 0);
  EXPECT_TRUE(c.rect().contains(l.Marks[0]));
  EXPECT_FALSE(Paint(c).isNull());
}

TEST(BarChart, PaintedBarsLegendAndDepthShowTheirColours) {
  TBarChart c;
  AddSix(c);
  c.resize(313, 146);
  const TBarChart::TLayout l = c.Layout();
  const QImage img = Paint(c);
  for (int i = 0; i < 5; ++i) {  // the sixth bar is 0 high
    SCOPED_TRACE(i);
    const QRect& b = l.Bars[i];
    EXPECT_EQ(img.pixelColor(b.center()), c.BarColor(i));
    // The side face is a darker shade of the same colour.
    const QColor side = img.pixelColor(b.right() + 1 + l.Depth / 2, b.center().y());
    EXPECT_LT(side.value(), c.BarColor(i).value());
    EXPECT_NEAR(side.hue(), c.BarColor(i).hue(), 3);
    // The legend's swatch.
    const QRect& item = l.LegendItems[i];
    EXPECT_EQ(img.pixelColor(item.left() + l.FontPixels / 2, item.center().y()), c.BarColor(i));
  }
}

TEST(BarChart, FlatWhenTheDepthIsOff) {
  TBarChart c;
  EXPECT_EQ(c.DepthPercent(), 20);
  AddSix(c);
  c.resize(313, 146);
  c.SetDepthPercent(0);
  EXPECT_EQ(c.Layout().Depth, 0);
}

TEST(BarChart, TheLabelsOfBothWindowsStayWholeAtTheirSizes) {
  TBarChart results;
  AddSix(results);
  results.resize(313, 146);
  TBarChart statistics;
  for (const char* label : {"All questions", "New questions", "Showed already", "Learned already", "Unlearned yet"})
    statistics.AddBar(label, 100);
  statistics.resize(440, 230);
  for (TBarChart* c : {&results, &statistics})
    for (int i = 0; i < c->BarCount(); ++i) EXPECT_EQ(c->LegendText(i), c->BarLabel(i));
}

TEST(BarChart, LongLabelsAreShortenedNotSpilled) {
  TBarChart c;
  c.AddBar(QString(200, 'x'), 3);
  c.AddBar("y", 4);
  c.resize(313, 146);
  const TBarChart::TLayout l = c.Layout();
  EXPECT_LE(l.Legend.width(), 313 / 2);
  EXPECT_GT(l.Bars[0].width(), 10);
  EXPECT_TRUE(c.LegendText(0).endsWith(QChar(0x2026)));
  EXPECT_LT(c.LegendText(0).size(), 200);
  EXPECT_EQ(c.LegendText(1), "y");
}

}  // namespace
