#include "data/picturegen/GradePictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

const std::vector<TGradePicture>& GradePictures() {
  static const std::vector<TGradePicture> pictures = {
      {"grade-5plus.png", "5+"}, {"grade-5.png", "5"}, {"grade-4.png", "4"}, {"grade-3.png", "3"}, {"grade-2.png", "2"},
  };
  return pictures;
}

namespace {

// Gold for the best, then green, blue, orange and red: warm-to-alarm reads at a glance.
QColor MedalColour(int Index) {
  static const QColor colours[] = {{0xf2, 0xb0, 0x1e}, {0x2f, 0x9e, 0x44}, {0x1c, 0x7e, 0xd6},
                                   {0xf0, 0x8c, 0x00}, {0xe0, 0x31, 0x31}};
  return colours[Index];
}

QPainterPath Star(QPointF Centre, double Outer, double Inner) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 ? Inner : Outer;
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const QPointF pt(Centre.x() + r * std::cos(a), Centre.y() + r * std::sin(a));
    if (i == 0) path.moveTo(pt);
    else path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

// The grade as an outline path scaled to fill Box: a path keeps the digits
// sharp at any size and lets them carry an edge.
QPainterPath GradeText(const QString& Text, const QRectF& Box) {
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(100);
  QPainterPath path;
  path.addText(0, 0, font, Text);
  const QRectF r = path.boundingRect();
  const double scale = std::min(Box.width() / r.width(), Box.height() / r.height());
  QTransform t;
  t.translate(Box.center().x(), Box.center().y());
  t.scale(scale, scale);
  t.translate(-r.center().x(), -r.center().y());
  return t.map(path);
}

}  // namespace

QImage DrawGradePicture(int Index, int Size) {
  QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const double s = Size;
  const QColor colour = MedalColour(Index);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Ribbon tails for the two top grades.
  if (Index <= 1) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(140));
    for (double side : {-1.0, 1.0}) {
      QPolygonF tail;
      tail << QPointF(s / 2 + side * 0.06 * s, 0.62 * s) << QPointF(s / 2 + side * 0.30 * s, 0.97 * s)
           << QPointF(s / 2 + side * 0.20 * s, 0.90 * s) << QPointF(s / 2 + side * 0.14 * s, 0.99 * s)
           << QPointF(s / 2 + side * 0.00 * s, 0.66 * s);
      p.drawPolygon(tail);
    }
  }

  const QRectF disc(0.08 * s, 0.04 * s, 0.84 * s, 0.84 * s);
  QRadialGradient shine(disc.center() - QPointF(0.15 * s, 0.15 * s), 0.6 * s);
  shine.setColorAt(0, colour.lighter(145));
  shine.setColorAt(1, colour.darker(115));
  p.setBrush(shine);
  p.setPen(QPen(Qt::white, 0.045 * s));
  p.drawEllipse(disc.adjusted(0.02 * s, 0.02 * s, -0.02 * s, -0.02 * s));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour.darker(150), 0.02 * s));
  p.drawEllipse(disc);

  const QRectF textBox = disc.adjusted(0.2 * s, 0.22 * s, -0.2 * s, -0.22 * s);
  const QPainterPath text = GradeText(GradePictures()[Index].Grade, textBox);
  p.setPen(QPen(colour.darker(Index == 0 ? 260 : 200), 0.028 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  p.drawPath(text);

  if (Index == 0) {
    p.setPen(QPen(colour.darker(160), 0.015 * s));
    p.setBrush(QColor(0xff, 0xf3, 0xbf));
    p.drawPath(Star(QPointF(0.80 * s, 0.16 * s), 0.14 * s, 0.06 * s));
  }
  p.end();
  return image;
}
