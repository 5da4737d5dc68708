#include "ui/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QString>
#include <algorithm>

#include "settings/Settings.h"

namespace {

// One card centred at (X, Y) in units of the icon size, turned by Angle degrees.
void DrawCard(QPainter& P, double S, double X, double Y, double Angle, const QColor& Face, bool Front) {
  const double w = 0.62 * S, h = 0.46 * S;
  P.save();
  P.translate(X * S, Y * S);
  P.rotate(Angle);
  P.setPen(QPen(QColor(0x0b, 0x33, 0x5c, 90), std::max(1.0, 0.012 * S)));
  P.setBrush(Face);
  P.drawRoundedRect(QRectF(-w / 2, -h / 2, w, h), 0.05 * S, 0.05 * S);
  if (Front) {
    if (S >= 32) {
      P.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 0.035 * S, Qt::SolidLine, Qt::RoundCap));
      P.drawLine(QPointF(-0.22 * S, -0.12 * S), QPointF(0.02 * S, -0.12 * S));
      P.drawLine(QPointF(-0.22 * S, -0.04 * S), QPointF(-0.06 * S, -0.04 * S));
    }
    QPainterPath tick;
    tick.moveTo(-0.10 * S, 0.06 * S);
    tick.lineTo(0.00 * S, 0.15 * S);
    tick.lineTo(0.20 * S, -0.09 * S);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(QColor(0x2f, 0x9e, 0x44), std::max(2.0, 0.075 * S), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.drawPath(tick);
  }
  P.restore();
}

}  // namespace

QImage DrawLexidrillIcon(int Size) {
  QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const double s = Size;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double margin = Size >= 32 ? 0.04 * s : 0;
  const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
  QLinearGradient blue(tile.topLeft(), tile.bottomLeft());
  blue.setColorAt(0, QColor(0x2a, 0x86, 0xd6));
  blue.setColorAt(1, QColor(0x12, 0x57, 0x9a));
  p.setPen(Qt::NoPen);
  p.setBrush(blue);
  p.drawRoundedRect(tile, 0.18 * s, 0.18 * s);
  DrawCard(p, s, 0.46, 0.44, -12, QColor(0xc9, 0xdc, 0xf0), false);
  DrawCard(p, s, 0.53, 0.56, 4, Qt::white, true);
  p.end();
  return image;
}

QIcon LexidrillIcon() {
  QImage file(QString::fromStdString(InstallDir() + "lexidrill.png"));
  if (!file.isNull()) return QIcon(QPixmap::fromImage(file));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(DrawLexidrillIcon(size)));
  return icon;
}
