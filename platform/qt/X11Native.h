#pragma once
// The X connection the program's windows use, when it runs on X11.

#include <xcb/xcb.h>

// Null off X11 (Wayland, offscreen) or before the application exists.
xcb_connection_t* X11Connection();
// The first screen's root window.
xcb_window_t X11RootWindow(xcb_connection_t* Conn);
