// The unit pause with the real tray icon and call-up key; run under Xvfb by
// scripts/test.d/x11-tray, skipped elsewhere.
#include <QGuiApplication>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/qt/QtTray.h"
#include "platform/qt/Taskbar.h"
#include "ui/TrayController.h"

namespace {

TEST(X11TrayController, WindowComesBackOnTheCallUpKeyAndTheTrayIcon) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs X11";
  const bool wantTray = std::getenv("LEXIDRILL_X11_TRAY") != nullptr;
  if (wantTray) {
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000));
  }

  QWidget window;
  window.resize(300, 150);
  int questions = 0, popups = 0;
  TTrayControllerHooks hooks;
  hooks.NextQuestion = [&] { ++questions; };
  hooks.PlayPopup = [&] { ++popups; };
  auto tray = std::make_unique<TQtTray>();
  TQtTray* icon = tray.get();
  TTrayController controller(&window, hooks, std::move(tray));
  controller.Start("Lexidrill");
  controller.RegisterHotKey(true, 3, 'Z');
  ASSERT_TRUE(controller.HotKey().IsRegistered());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(controller.TrayShown(), wantTray);
  EXPECT_EQ(HasSkipTaskbar(&window), controller.TrayShown());

  controller.BeginPause(3, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible() || window.isMinimized(); }, 2000));
  ASSERT_EQ(QProcess::execute("xdotool", {"key", "ctrl+alt+z"}), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.isVisible() && questions == 1; }, 5000));
  EXPECT_EQ(popups, 1);
  EXPECT_FALSE(controller.PauseRunning());

  if (!controller.TrayShown()) return;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(HasSkipTaskbar(&window));  // set again before the window was mapped
  controller.BeginPause(3, 0);
  EXPECT_FALSE(window.isVisible());
  // Until the tray embeds it the icon is a bare window at the origin.
  ASSERT_TRUE(QTest::qWaitFor([&] { return icon->Geometry().x() > 0; }, 5000));
  const QPoint at = icon->Geometry().center();
  ASSERT_EQ(QProcess::execute("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}),
            0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.isVisible() && questions == 2; }, 5000));
  controller.Stop();
  EXPECT_FALSE(controller.HotKey().IsRegistered());
}

}  // namespace
