// The main window on a real X server: the call-up key ends a unit pause and
// a size dragged by the window manager snaps to a size step. Run under Xvfb
// by scripts/test.d/x11-tray, skipped elsewhere.
#include <QGuiApplication>
#include <QProcess>
#include <QSystemTrayIcon>
#include <cstdlib>

#include "FormMainFixture.h"
#include "exam/SizeRule.h"

namespace {

class X11FormMain : public FormMainTest {
 protected:
  void SetUp() override {
    FormMainTest::SetUp();
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs X11";
    RealDesktop = true;
  }
  static bool XDoTool(const QStringList& Args) { return QProcess::execute("xdotool", Args) == 0; }
  static QString Id(QWidget& W) { return QString::number(W.winId()); }
};

TEST_F(X11FormMain, TheCallUpKeyEndsAUnitPauseWithTheNextQuestion) {
  if (std::getenv("LEXIDRILL_X11_TRAY")) {
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000));
  }
  Settings.IntervalPresent = true;
  Settings.IntervalQCount = 2;
  Settings.HotKeyModifiers = 3;
  Settings.HotKeyVirtualKey = 'Z';
  TFormMain& w = Make();
  w.ShowAtStart();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  ASSERT_TRUE(w.Tray().HotKey().IsRegistered());
  for (int q = 0; q < 2; ++q) {
    w.AnswerChosen(Correct());
    FinishEffect();
  }
  ASSERT_TRUE(w.Tray().PauseRunning());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible() || w.isMinimized(); }, 2000));
  EXPECT_EQ(w.Counters().Questions, 2);
  ASSERT_TRUE(XDoTool({"key", "ctrl+alt+z"}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.isVisible() && !w.isMinimized() && w.Counters().Questions == 3; }, 5000));
  EXPECT_FALSE(w.Tray().PauseRunning());
  EXPECT_EQ(Played(seProgramPopup), 1);
  w.FormDestroy();
  EXPECT_FALSE(w.Tray().HotKey().IsRegistered());
}

TEST_F(X11FormMain, ASizeGivenByTheWindowManagerSnapsToTheNearestStep) {
  TFormMain& w = Make();
  w.ShowAtStart();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  const int h = w.height();
  const int wanted = HeightAtStep(h, 2, 5, 5) - 4;
  ASSERT_TRUE(XDoTool({"windowsize", Id(w), QString::number(w.width() + 30), QString::number(wanted)}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return Settings.CurSizeY == 5; }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.height() == HeightAtStep(h, 2, 5, 5); }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.AnswersFrame()->height() == AnswerPanelHeight(5) * 5 + 4; }, 5000));
  EXPECT_EQ(Settings.CurSizeX, w.width());
}

}  // namespace
