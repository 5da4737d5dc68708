// Against a real X server only (scripts/test.d/x11-tray runs these under
// Xvfb with a window manager and an XEmbed tray); skipped elsewhere.
#include <QGuiApplication>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include "platform/qt/QtTray.h"
#include "platform/qt/Taskbar.h"
#include "platform/qt/X11HotKey.h"

namespace {

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

void Xdotool(const QStringList& Args) { ASSERT_EQ(QProcess::execute("xdotool", Args), 0) << Args.join(' ').toStdString(); }

TEST(X11, CallUpKeyFromAnotherProgramReachesUsWithAndWithoutNumLock) {
  if (!OnX11()) GTEST_SKIP() << "needs X11";
  TX11HotKey key;
  int presses = 0;
  key.OnPressed = [&] { ++presses; };
  ASSERT_TRUE(key.Register(3, 'Z'));
  Xdotool({"key", "ctrl+alt+z"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return presses == 1; }, 5000));
  Xdotool({"key", "Num_Lock", "ctrl+alt+z", "Num_Lock"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return presses == 2; }, 5000));
  Xdotool({"key", "ctrl+z", "alt+z", "ctrl+alt+shift+z"});  // other combinations are not ours
  QTest::qWait(300);
  EXPECT_EQ(presses, 2);
  key.Unregister();
  Xdotool({"key", "ctrl+alt+z"});
  QTest::qWait(300);
  EXPECT_EQ(presses, 2);
}

TEST(X11, KeyHeldByAnotherProgramIsRefused) {
  if (!OnX11()) GTEST_SKIP() << "needs X11";
  // A second connection is another client to the server.
  xcb_connection_t* other = xcb_connect(nullptr, nullptr);
  ASSERT_EQ(xcb_connection_has_error(other), 0);
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
  xcb_key_symbols_t* syms = xcb_key_symbols_alloc(other);
  xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, 'y');
  ASSERT_NE(codes, nullptr);
  xcb_generic_error_t* error = xcb_request_check(
      other, xcb_grab_key_checked(other, 0, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT, codes[0],
                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
  EXPECT_EQ(error, nullptr);
  std::free(error);
  std::free(codes);
  xcb_key_symbols_free(syms);

  TX11HotKey key;
  EXPECT_FALSE(key.Register(hmControl | hmShift, 'Y'));
  EXPECT_FALSE(key.IsRegistered());
  EXPECT_TRUE(key.Register(hmControl | hmAlt, 'Y'));
  xcb_disconnect(other);
}

bool WaitForTray() {
  return QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000);
}

TEST(X11, TrayIconReportsLeftPresses) {
  if (!OnX11()) GTEST_SKIP() << "needs X11";
  if (!WaitForTray()) {
    if (std::getenv("LEXIDRILL_X11_TRAY")) FAIL() << "the tray did not start";
    GTEST_SKIP() << "no tray";
  }
  TQtTray tray;
  int left = 0, right = 0;
  tray.OnLeftPress = [&] { ++left; };
  tray.OnRightPress = [&] { ++right; };
  ASSERT_TRUE(tray.Add("Lexidrill"));
  // Until the tray embeds it the icon is a bare window at the origin.
  ASSERT_TRUE(QTest::qWaitFor([&] { return tray.Geometry().x() > 0; }, 5000));
  const QPoint at = tray.Geometry().center();
  Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return left == 1; }, 5000));
  EXPECT_EQ(right, 0);
  tray.Remove();
  EXPECT_FALSE(tray.IsShown());
}

TEST(X11, SkipTaskbarSetBeforeShowSurvivesMapping) {
  if (!OnX11()) GTEST_SKIP() << "needs X11";
  QWidget w;
  w.resize(200, 100);
  SetSkipTaskbar(&w, true);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QTest::qWait(200);
  EXPECT_TRUE(HasSkipTaskbar(&w));
  w.hide();
  SetSkipTaskbar(&w, false);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QTest::qWait(200);
  EXPECT_FALSE(HasSkipTaskbar(&w));
}

}  // namespace
