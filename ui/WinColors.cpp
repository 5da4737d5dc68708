#include "ui/WinColors.h"

#include <QApplication>
#include <QPalette>

namespace {

struct TSystemColor {
  QPalette::ColorGroup Group;
  QPalette::ColorRole Role;
};

// The system colour indexes 0..30 onto palette roles.
constexpr TSystemColor SystemColors[] = {
    {QPalette::Active, QPalette::Button},           // 0 scroll bar
    {QPalette::Active, QPalette::Dark},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},      // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::WindowText},       // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Window},           // 10 active border
    {QPalette::Inactive, QPalette::Window},         // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlight text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Mid},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Inactive, QPalette::WindowText},     // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 light
    {QPalette::Active, QPalette::ToolTipText},      // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 info background
    {QPalette::Active, QPalette::Window},           // 25 (unused)
    {QPalette::Active, QPalette::Link},             // 26 hot light
    {QPalette::Active, QPalette::Highlight},        // 27 gradient active caption
    {QPalette::Inactive, QPalette::Highlight},      // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
};

}  // namespace

QColor WinColor(uint32_t Value) {
  if (Value & 0x80000000u) {
    const uint32_t n = Value & 0x7FFFFFFFu;
    const QPalette p = QApplication::palette();
    if (n < std::size(SystemColors)) return p.color(SystemColors[n].Group, SystemColors[n].Role);
    return p.color(QPalette::WindowText);
  }
  return QColor(static_cast<int>(Value & 0xFF), static_cast<int>((Value >> 8) & 0xFF),
                static_cast<int>((Value >> 16) & 0xFF));
}
