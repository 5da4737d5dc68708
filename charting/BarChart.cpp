#include "charting/BarChart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr int MinFontPixels = 8;
constexpr int MaxFontPixels = 16;
constexpr double BarShare = 0.6;     // of a bar's slot; the rest is the gap
constexpr double LegendShare = 0.45;  // at most this much of the width

// Light on dark and dark on light: each face of a bar gets its own shade,
// the outline keeps neighbouring bars apart.
QColor TopFace(const QColor& C) { return C.lighter(135); }
QColor SideFace(const QColor& C) { return C.darker(140); }
QColor Outline(const QColor& C) { return C.darker(220); }

int SwatchSize(const QFontMetrics& Fm) { return Fm.ascent() * 3 / 4; }
int LegendPad(int FontPixels) { return std::max(3, FontPixels / 3); }

// Eliding measures fractional widths, so the whole-pixel advance can come
// out a pixel short of what a label needs to stay whole.
int TextWidth(const QFontMetrics& Fm, const QString& Text) { return Fm.horizontalAdvance(Text) + 2; }

// Where a legend item's label goes, right of its colour swatch.
QRect LegendTextRect(const QRect& Item, int Pad, int Swatch) {
  const int left = Item.left() + Pad + Swatch + Pad;
  return QRect(left, Item.top(), Item.left() + Item.width() - Pad - left, Item.height());
}

}  // namespace

TBarChart::TBarChart(QWidget* Parent) : QWidget(Parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TBarChart::Clear() {
  FBars.clear();
  update();
}

void TBarChart::AddBar(const QString& Label, double Value, const QColor& Color) {
  FBars.push_back({Label, Value, Color.isValid() ? Color : PaletteColor(FBars.size())});
  update();
}

QString TBarChart::BarMark(int Index) const {
  const double v = BarValue(Index);
  if (std::isfinite(v) && v == std::round(v) && std::fabs(v) < 1e15) return QString::number(qint64(v));
  return QString::number(v, 'g', 6);
}

QString TBarChart::LegendText(int Index) const { return LegendText(Layout(), Index); }

QString TBarChart::LegendText(const TLayout& L, int Index) const {
  const QFontMetrics fm(ChartFont(L.FontPixels));
  const QRect text = LegendTextRect(L.LegendItems.at(Index), LegendPad(L.FontPixels), SwatchSize(fm));
  return fm.elidedText(BarLabel(Index), Qt::ElideRight, text.width());
}

void TBarChart::SetDepthPercent(int Percent) {
  FDepthPercent = std::clamp(Percent, 0, 100);
  update();
}

QColor TBarChart::PaletteColor(int Index) {
  static const QColor colors[] = {
      QColor(0xd9, 0x31, 0x2b),  // red
      QColor(0x2e, 0x9e, 0x44),  // green
      QColor(0xf2, 0xc2, 0x2e),  // yellow
      QColor(0x2f, 0x6f, 0xd1),  // blue
      QColor(0x8e, 0x44, 0xad),  // purple
      QColor(0xff, 0x8c, 0x1a),  // orange
      QColor(0x1f, 0xa3, 0xa3),  // teal
      QColor(0x8c, 0x56, 0x4b),  // brown
      QColor(0xe3, 0x77, 0xc2),  // pink
      QColor(0x7f, 0x7f, 0x7f),  // grey
  };
  constexpr int count = int(std::size(colors));
  return colors[((Index % count) + count) % count];
}

QFont TBarChart::ChartFont(int Pixels) const {
  QFont f = font();
  f.setPixelSize(Pixels);
  return f;
}

TBarChart::TLayout TBarChart::Layout() const {
  TLayout l;
  const int w = width(), h = height();
  const int n = FBars.size();
  const int margin = std::max(3, h / 40);

  // The font follows the size, then shrinks until the legend fits.
  int px = std::clamp(int(std::lround(std::min(h / 11.0, w / 24.0))), MinFontPixels, MaxFontPixels);
  int itemH = 0, legendW = 0, swatch = 0, pad = 0;
  for (;; --px) {
    const QFontMetrics fm(ChartFont(px));
    itemH = fm.height() + px / 4;
    swatch = SwatchSize(fm);
    pad = LegendPad(px);
    int textW = 0;
    for (const TBar& b : FBars) textW = std::max(textW, TextWidth(fm, b.Label));
    legendW = pad + swatch + pad + textW + pad;
    const bool fits = n * itemH + 2 * pad <= h - 2 * margin && legendW <= w * LegendShare;
    if (fits || px == MinFontPixels) break;
  }
  l.FontPixels = px;
  legendW = std::min(legendW, int(w * LegendShare));
  const int legendH = std::min(n * itemH + 2 * pad, h - 2 * margin);
  l.Legend = n ? QRect(w - margin - legendW, (h - legendH) / 2, legendW, legendH) : QRect();
  for (int i = 0; i < n; ++i) l.LegendItems.push_back(QRect(l.Legend.left(), l.Legend.top() + pad + i * itemH, legendW, itemH));

  const int plotLeft = margin;
  const int plotRight = (n ? l.Legend.left() : w) - 2 * margin;
  const int plotTop = margin, plotBottom = h - margin;
  const int plotW = std::max(1, plotRight - plotLeft), plotH = std::max(1, plotBottom - plotTop);
  if (!n) {
    l.Baseline = plotBottom;
    return l;
  }

  // The depth is a share of a bar's slot; at 20 % the side face fills
  // three quarters of the gap, so neighbouring bars never overlap.
  const double slot0 = double(plotW) / n;
  l.Depth = int(std::lround(std::min(slot0 * FDepthPercent / 100.0 * 1.5, plotH * FDepthPercent / 100.0)));
  const double slot = double(plotW - l.Depth) / n;
  const int barW = std::max(1, int(slot * BarShare));

  double lo = 0, hi = 0;
  for (const TBar& b : FBars) {
    if (std::isfinite(b.Value)) {
      lo = std::min(lo, b.Value);
      hi = std::max(hi, b.Value);
    }
  }
  const int markH = QFontMetrics(ChartFont(px)).height() + 2;
  const int gap = std::max(2, px / 4);
  // Room above the highest bar for its top face and mark, below the lowest
  // for its mark.
  const int top = plotTop + l.Depth + markH + gap;
  const int bottom = plotBottom - (lo < 0 ? markH + gap : 0);
  const double span = hi - lo > 0 ? hi - lo : 1;
  const double scale = std::max(0, bottom - top) / span;
  l.Baseline = top + int(std::lround(hi * scale));

  const QFontMetrics fm(ChartFont(px));
  for (int i = 0; i < n; ++i) {
    const double v = std::isfinite(FBars[i].Value) ? FBars[i].Value : 0;
    const int x = plotLeft + int(std::lround(i * slot + (slot - barW) / 2));
    const int end = l.Baseline - int(std::lround(v * scale));
    const QRect bar = v >= 0 ? QRect(x, end, barW, l.Baseline - end) : QRect(x, l.Baseline, barW, end - l.Baseline);
    l.Bars.push_back(bar);
    const int markW = fm.horizontalAdvance(BarMark(i)) + 2 * gap;
    const int cx = x + barW / 2 + l.Depth / 2;
    const int markY = v >= 0 ? bar.top() - l.Depth - gap - markH : bar.bottom() + 1 + gap;
    l.Marks.push_back(QRect(cx - markW / 2, markY, markW, markH));
  }
  return l;
}

void TBarChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, false);
  const TLayout l = Layout();
  const int d = l.Depth;

  // Left to right: a bar's front face covers the side face of the bar before it.
  for (int i = 0; i < FBars.size(); ++i) {
    const QColor c = FBars[i].Color;
    const QRect r = l.Bars[i];
    p.setPen(QPen(Outline(c), 1));
    if (d > 0) {
      const QPointF tl(r.left(), r.top()), tr(r.right() + 1, r.top()), br(r.right() + 1, r.bottom() + 1);
      const QPointF off(d, -d);
      p.setBrush(SideFace(c));
      p.drawPolygon(QPolygonF({tr, tr + off, br + off, br}));
      p.setBrush(TopFace(c));
      p.drawPolygon(QPolygonF({tl, tl + off, tr + off, tr}));
    }
    p.setBrush(c);
    p.drawRect(r.adjusted(0, 0, 0, -1).normalized());
  }

  const QFont f = ChartFont(l.FontPixels);
  p.setFont(f);
  const QFontMetrics fm(f);
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int i = 0; i < FBars.size(); ++i) {
    const QRect m = l.Marks[i];
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(QColor(0xff, 0xff, 0xe1));
    p.drawRoundedRect(QRectF(m).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p.setPen(Qt::black);
    p.drawText(m, Qt::AlignCenter, BarMark(i));
  }

  if (FBars.isEmpty()) return;
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(0x60, 0x60, 0x60));
  p.setBrush(Qt::white);
  p.drawRect(l.Legend.adjusted(0, 0, -1, -1));
  const int pad = LegendPad(l.FontPixels);
  const int swatch = SwatchSize(fm);
  for (int i = 0; i < FBars.size(); ++i) {
    const QRect item = l.LegendItems[i];
    if (item.bottom() > l.Legend.bottom()) break;
    const QRect sw(item.left() + pad, item.center().y() - swatch / 2, swatch, swatch);
    p.setPen(Outline(FBars[i].Color));
    p.setBrush(FBars[i].Color);
    p.drawRect(sw);
    p.setPen(Qt::black);
    p.drawText(LegendTextRect(item, pad, swatch), Qt::AlignLeft | Qt::AlignVCenter, LegendText(l, i));
  }
}
