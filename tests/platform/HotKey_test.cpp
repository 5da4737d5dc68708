#include <QGuiApplication>
#include <QMenu>
#include <xcb/xcb.h>
#include <gtest/gtest.h>

#include "platform/HotKey.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/X11HotKey.h"

namespace {

TEST(HotKey, OnlyLettersWithModifiersAreValid) {
  struct {
    uint32_t Modifiers, Key;
    bool Valid;
  } cases[] = {
      {3, 90, true},  {1, 65, true},  {7, 77, true},  {4, 'Q', true},
      {0, 90, false},  // a bare letter would be taken from every program
      {3, 64, false}, {3, 91, false}, {3, 'z', false}, {8, 90, false}, {3 | 8, 90, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Modifiers) + "+" + std::to_string(c.Key));
    EXPECT_EQ(IsValidHotKey(c.Modifiers, c.Key), c.Valid);
  }
}

TEST(HotKey, WindowsModifierBitsMapToXMasks) {
  EXPECT_EQ(X11ModifierMask(hmAlt), XCB_MOD_MASK_1);
  EXPECT_EQ(X11ModifierMask(hmControl), XCB_MOD_MASK_CONTROL);
  EXPECT_EQ(X11ModifierMask(hmShift), XCB_MOD_MASK_SHIFT);
  EXPECT_EQ(X11ModifierMask(hmAlt | hmControl | hmShift),
            XCB_MOD_MASK_1 | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT);
}

TEST(HotKey, WithoutAnXServerRegistrationFailsQuietly) {
  if (QGuiApplication::platformName() == QLatin1String("xcb")) GTEST_SKIP() << "runs on X11";
  TX11HotKey key;
  EXPECT_FALSE(key.Register(3, 90));
  EXPECT_FALSE(key.IsRegistered());
  key.Unregister();
}

TEST(Tray, WithoutATrayNothingIsShown) {
  if (QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "a tray is running";
  TQtTray tray;
  EXPECT_FALSE(tray.Add("Lexidrill"));
  EXPECT_FALSE(tray.IsShown());
  tray.SetTip("Lexidrill. Question 1 of 30");
  tray.Remove();
}

TEST(Tray, MenuKeepsNamesCaptionsAndActions) {
  TQtTray tray;
  int restored = 0;
  tray.SetMenu({{"Restore", "&Restore", [&] { ++restored; }}, {"N5", "", nullptr}, {"N6", "&Exit Lexidrill", nullptr}});
  ASSERT_NE(tray.Menu(), nullptr);
  EXPECT_EQ(tray.Menu()->objectName(), "PopupTray");
  const auto actions = tray.Menu()->actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), "&Restore");
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_EQ(actions[2]->objectName(), "N6");
  actions[0]->trigger();
  EXPECT_EQ(restored, 1);
}

}  // namespace
