#include "ui/Panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TPanel::TPanel(QWidget* Parent) : QLabel(Parent) {
  setAlignment(Qt::AlignCenter);
  setWordWrap(false);
  setTextFormat(Qt::PlainText);
  // Long texts are clipped, never allowed to widen the window.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  setMinimumSize(0, 0);
  setAutoFillBackground(true);
  setLineWidth(1);
  SetOuterBevel(obRaised);
}

void TPanel::SetOuterBevel(TOuterBevel Bevel) {
  FBevel = Bevel;
  setFrameStyle(QFrame::Panel | (Bevel == obRaised ? QFrame::Raised : QFrame::Sunken));
}

void TPanel::SetColors(const QColor& Font, const QColor& Background) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, Font);
  p.setColor(QPalette::Window, Background);
  setPalette(p);
  setAutoFillBackground(true);
}

QColor TPanel::FontColor() const { return palette().color(QPalette::Active, QPalette::WindowText); }
QColor TPanel::Background() const { return palette().color(QPalette::Active, QPalette::Window); }

void TPanel::mouseReleaseEvent(QMouseEvent* Event) {
  QLabel::mouseReleaseEvent(Event);
  if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint())) emit Clicked();
}

void TPanel::mouseMoveEvent(QMouseEvent* Event) {
  QLabel::mouseMoveEvent(Event);
  emit MouseMoved();
}

void TPanel::focusInEvent(QFocusEvent* Event) {
  QLabel::focusInEvent(Event);
  emit Entered();
}

void TPanel::focusOutEvent(QFocusEvent* Event) {
  QLabel::focusOutEvent(Event);
  emit Exited();
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  // The style would grey a disabled panel's text; a chosen variant keeps its colours.
  painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  painter.setFont(font());
  const int indent = std::max(0, this->indent());
  painter.drawText(contentsRect().adjusted(indent, 0, -indent, 0), int(alignment()), text());
}
