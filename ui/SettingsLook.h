#pragma once
// Fonts and colours as the settings hold them, turned into Qt looks and back.

#include <QColor>
#include <QFont>
#include <cstdint>

#include "settings/Settings.h"

class QWidget;

QFont QFontOf(const TFontRecord& Font);
QColor FontColorOf(const TFontRecord& Font);
// Font, text colour and background of W, the same in every colour group.
void SetPanelLook(QWidget* W, const TFontRecord& Font, uint32_t Background);

// The stored value of Chosen. Was stays when it already shows that colour, so
// a system colour is not frozen into the colour it has today.
uint32_t ColorValueOf(const QColor& Chosen, uint32_t Was);
// Takes face, point size and styles of Chosen into Font. The height follows
// the point size (at 96 dots per inch) when the size changed; the character
// set is kept.
void TakeQFont(const QFont& Chosen, TFontRecord& Font);
