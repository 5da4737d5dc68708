#pragma once
// Colours as the settings store them: 0x00BBGGRR (red in the low byte), or
// 0x80000000 + n for system colour n, taken from the application palette.

#include <QColor>
#include <cstdint>

QColor WinColor(uint32_t Value);
