#include "platform/qt/X11Native.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

xcb_connection_t* X11Connection() {
  if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 && x11->display() ? x11->connection() : nullptr;
}

xcb_window_t X11RootWindow(xcb_connection_t* Conn) {
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(Conn));
  return it.rem ? it.data->root : xcb_window_t{XCB_WINDOW_NONE};
}
