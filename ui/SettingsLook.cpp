#include "ui/SettingsLook.h"

#include <QPalette>
#include <QWidget>
#include <cstdlib>

#include "ui/WinColors.h"

QFont QFontOf(const TFontRecord& Font) {
  QFont f(QString::fromStdString(Font.Name));
  if (Font.Size > 0)
    f.setPointSize(Font.Size);
  else if (Font.Height != 0)
    f.setPixelSize(std::abs(Font.Height));
  f.setBold(Font.Bold);
  f.setItalic(Font.Italic);
  f.setUnderline(Font.Underline);
  f.setStrikeOut(Font.StrikeOut);
  return f;
}

QColor FontColorOf(const TFontRecord& Font) { return WinColor(Font.Color); }

void SetPanelLook(QWidget* W, const TFontRecord& Font, uint32_t Background) {
  W->setFont(QFontOf(Font));
  QPalette p = W->palette();
  p.setColor(QPalette::WindowText, FontColorOf(Font));
  p.setColor(QPalette::Window, WinColor(Background));
  W->setPalette(p);
  W->setAutoFillBackground(true);
}

uint32_t ColorValueOf(const QColor& Chosen, uint32_t Was) {
  if (WinColor(Was).rgb() == Chosen.rgb()) return Was;
  return static_cast<uint32_t>(Chosen.red()) | static_cast<uint32_t>(Chosen.green()) << 8 |
         static_cast<uint32_t>(Chosen.blue()) << 16;
}

void TakeQFont(const QFont& Chosen, TFontRecord& Font) {
  Font.Name = Chosen.family().toStdString();
  const int size = Chosen.pointSize() > 0 ? Chosen.pointSize() : Font.Size;
  if (size != Font.Size) {
    Font.Size = size;
    Font.Height = -((size * 96 + 36) / 72);
  }
  Font.Bold = Chosen.bold();
  Font.Italic = Chosen.italic();
  Font.Underline = Chosen.underline();
  Font.StrikeOut = Chosen.strikeOut();
}
