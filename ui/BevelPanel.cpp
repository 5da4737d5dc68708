#include "ui/BevelPanel.h"

#include <QMouseEvent>
#include <QPainter>

TBevelPanel::TBevelPanel(const QString& Text, QWidget* Parent) : QFrame(Parent), FText(Text) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  setMinimumHeight(24);
}

void TBevelPanel::SetBevels(TBevel Outer, TBevel Inner) {
  if (Outer == FOuter && Inner == FInner) return;
  FOuter = Outer;
  FInner = Inner;
  update();
}

namespace {

// One pixel of bevel around R; returns the rectangle inside it.
QRect DrawBevel(QPainter& P, QRect R, TBevel Bevel, const QPalette& Palette) {
  if (Bevel == bvNone) return R;
  const QColor light = Palette.color(QPalette::Light);
  const QColor dark = Palette.color(QPalette::Dark);
  const QColor& topLeft = Bevel == bvRaised ? light : dark;
  const QColor& bottomRight = Bevel == bvRaised ? dark : light;
  P.setPen(topLeft);
  P.drawLine(R.topLeft(), R.topRight());
  P.drawLine(R.topLeft(), R.bottomLeft());
  P.setPen(bottomRight);
  P.drawLine(R.bottomLeft(), R.bottomRight());
  P.drawLine(R.topRight(), R.bottomRight());
  return R.adjusted(1, 1, -1, -1);
}

}  // namespace

void TBevelPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  r = DrawBevel(p, r, FOuter, palette());
  r = DrawBevel(p, r, FInner, palette());
  p.setPen(palette().color(QPalette::WindowText));
  p.setFont(font());
  p.drawText(r, Qt::AlignCenter, FText);
}

void TBevelPanel::mousePressEvent(QMouseEvent* Event) {
  QFrame::mousePressEvent(Event);
  if (Event->button() == Qt::LeftButton) emit MouseDown();
}

void TBevelPanel::mouseMoveEvent(QMouseEvent* Event) {
  QFrame::mouseMoveEvent(Event);
  emit MouseMoved();
}
