#pragma once
// The application icon of the windows and the tray: two word cards with a
// tick on a blue tile. The build writes it as lexidrill.png beside the
// program; the same picture is drawn in memory when that file is missing,
// so a window or tray icon is never blank.

#include <QIcon>
#include <QImage>

// The icon at Size x Size pixels, transparent outside the tile. Small sizes
// leave out the detail that would only blur.
QImage DrawLexidrillIcon(int Size);

// InstallDir() + "lexidrill.png" when it loads as an image, otherwise the
// drawn icon at the usual sizes.
QIcon LexidrillIcon();
