#pragma once
// Keeps a window out of the taskbar (and the pager) on X11 while the program
// lives in the tray. Without a tray the entry must stay, or a hidden window
// could never be found again; the caller decides. Does nothing off X11.

class QWidget;

void SetSkipTaskbar(QWidget* Window, bool Skip);
// Whether the window's _NET_WM_STATE holds the skip-taskbar atom.
bool HasSkipTaskbar(QWidget* Window);
