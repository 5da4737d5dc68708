#pragma once
// A bar chart of one series: labelled bars in the order they were added,
// each in its own colour, standing on a common baseline, with the value
// written above each bar and a legend of the labels at the right. No title,
// no axes; the bars have a depth look. Everything is laid out from the
// widget's current size, so the chart reads the same small or large.

#include <QColor>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

class TBarChart : public QWidget {
  Q_OBJECT
 public:
  explicit TBarChart(QWidget* Parent = nullptr);

  void Clear();
  // An invalid Color takes the next colour of the chart's own palette.
  void AddBar(const QString& Label, double Value, const QColor& Color = QColor());

  int BarCount() const { return FBars.size(); }
  QString BarLabel(int Index) const { return FBars.at(Index).Label; }
  double BarValue(int Index) const { return FBars.at(Index).Value; }
  QColor BarColor(int Index) const { return FBars.at(Index).Color; }
  // The value as it is written above the bar.
  QString BarMark(int Index) const;
  // The label as the legend shows it at the current size: cut short with an
  // ellipsis only when the legend has no room for it.
  QString LegendText(int Index) const;

  // How deep the bars look, as a share of the space of one bar (0 = flat).
  void SetDepthPercent(int Percent);
  int DepthPercent() const { return FDepthPercent; }

  // Where things are drawn at the current size: the front face of each bar,
  // its value mark, the legend box and the line the bars stand on.
  struct TLayout {
    QVector<QRect> Bars;
    QVector<QRect> Marks;
    QVector<QRect> LegendItems;
    QRect Legend;
    int Baseline = 0;
    int Depth = 0;
    int FontPixels = 0;
  };
  TLayout Layout() const;

  QSize sizeHint() const override { return {313, 146}; }
  QSize minimumSizeHint() const override { return {120, 60}; }

  // The automatic colour of the bar at Index.
  static QColor PaletteColor(int Index);

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  struct TBar {
    QString Label;
    double Value = 0;
    QColor Color;
  };
  QFont ChartFont(int Pixels) const;
  QString LegendText(const TLayout& L, int Index) const;

  QVector<TBar> FBars;
  int FDepthPercent = 20;
};
