#include "ui/TrayController.h"

#include <QApplication>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "TrayFakes.h"

namespace {

class TrayControllerTest : public ::testing::Test {
 public:
  void Make(bool TrayAvailable = true) {
    auto tray = std::make_unique<TFakeTray>(TrayAvailable);
    auto key = std::make_unique<TFakeHotKey>();
    auto timer = std::make_unique<TFakePauseTimer>();
    Tray = tray.get();
    Key = key.get();
    Timer = timer.get();
    TTrayControllerHooks hooks;
    hooks.NextQuestion = [this] {
      ++Questions;
      VisibleAtQuestion = Window.isVisible() && !Window.isMinimized();
      if (DuringQuestion) DuringQuestion();
    };
    hooks.PlayPopup = [this] { ++Popups; };
    hooks.Quit = [this] { ++Quits; };
    Controller = std::make_unique<TTrayController>(&Window, hooks, std::move(tray), std::move(key), std::move(timer));
    Controller->Start("Lexidrill");
    Window.show();
  }
  void TearDown() override { Controller.reset(); }

  bool Shown() const { return Window.isVisible() && !Window.isMinimized(); }

  QWidget Window;
  std::unique_ptr<TTrayController> Controller;
  TFakeTray* Tray = nullptr;
  TFakeHotKey* Key = nullptr;
  TFakePauseTimer* Timer = nullptr;
  int Questions = 0, Popups = 0, Quits = 0;
  bool VisibleAtQuestion = true;
  std::function<void()> DuringQuestion;
};

TEST_F(TrayControllerTest, PauseHidesTheWindowAndStartsTheTimerWithoutANewQuestion) {
  Make();
  EXPECT_TRUE(Tray->IsShown());
  Controller->BeginPause(1, 30);
  EXPECT_TRUE(Controller->PauseRunning());
  EXPECT_FALSE(Window.isVisible());
  ASSERT_EQ(Timer->Starts.size(), 1u);
  EXPECT_EQ(Timer->Starts[0], 90000);
  EXPECT_EQ(Questions, 0);
  EXPECT_EQ(Popups, 0);
}

struct TEndCase {
  const char* Name;
  std::function<void(TrayControllerTest&)> End;
};

class PauseEnd : public TrayControllerTest, public ::testing::WithParamInterface<TEndCase> {};

TEST_P(PauseEnd, EndsThePauseOnceWithOneNextQuestion) {
  Make();
  Controller->BeginPause(3, 0);
  GetParam().End(*this);
  EXPECT_EQ(Questions, 1);
  EXPECT_EQ(Popups, 1);
  EXPECT_FALSE(Controller->PauseRunning());
  EXPECT_FALSE(Timer->Running);
  EXPECT_TRUE(Shown());
  // Every later call finds no pause: no second question.
  Timer->Fire();
  Controller->EndPause();
  Controller->Activate();
  EXPECT_EQ(Questions, 1);
}

INSTANTIATE_TEST_SUITE_P(
    EntryPoints, PauseEnd,
    ::testing::Values(TEndCase{"TimerExpiry", [](TrayControllerTest& t) { t.Timer->Fire(); }},
                      TEndCase{"TrayLeftPress", [](TrayControllerTest& t) { t.Tray->LeftPress(); }},
                      TEndCase{"HotKey", [](TrayControllerTest& t) { t.Key->Press(); }},
                      TEndCase{"RestoreItem", [](TrayControllerTest& t) { ASSERT_TRUE(t.Tray->Choose("Restore")); }},
                      TEndCase{"Activation", [](TrayControllerTest& t) { t.Controller->Activate(); }}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(TrayControllerTest, ZeroPauseNeverExpiresButEndsWhenCalledUp) {
  Make();
  Controller->BeginPause(0, 0);
  EXPECT_TRUE(Timer->Starts.empty());
  EXPECT_TRUE(Controller->PauseRunning());
  EXPECT_FALSE(Window.isVisible());
  Tray->LeftPress();
  EXPECT_EQ(Questions, 1);
  EXPECT_TRUE(Shown());
}

TEST_F(TrayControllerTest, OutsideAPauseTheTrayOnlyBringsTheWindowForward) {
  Make();
  Controller->HideWindow();  // Esc
  EXPECT_FALSE(Window.isVisible());
  EXPECT_FALSE(Controller->PauseRunning());
  Tray->LeftPress();
  EXPECT_TRUE(Shown());
  Key->Press();
  EXPECT_EQ(Questions, 0);
  EXPECT_EQ(Popups, 2);
}

TEST_F(TrayControllerTest, ResultsOfTheLastQuestionComeBeforeTheWindow) {
  Make();
  // The examination's end shows the results modally inside NextQuestion; a
  // call-up meanwhile must neither show the window nor draw again.
  DuringQuestion = [this] {
    Tray->LeftPress();
    Key->Press();
    Controller->Activate();
  };
  Controller->BeginPause(0, 5);
  Timer->Fire();
  EXPECT_EQ(Questions, 1);
  EXPECT_FALSE(VisibleAtQuestion);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Popups, 1);
}

TEST_F(TrayControllerTest, WithoutATrayThePauseMinimisesAndKeepsTheWindow) {
  Make(false);
  EXPECT_FALSE(Tray->IsShown());
  Controller->BeginPause(0, 10);
  EXPECT_TRUE(Window.isMinimized());
  Controller->HideWindow();
  EXPECT_TRUE(Window.isMinimized());
  Controller->Activate();
  EXPECT_EQ(Questions, 1);
  EXPECT_TRUE(Shown());
}

TEST_F(TrayControllerTest, UserMinimisingGoesToTheTray) {
  Make();
  Window.showMinimized();
  QApplication::processEvents();
  EXPECT_FALSE(Window.isVisible());
  Tray->LeftPress();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Questions, 0);
}

TEST_F(TrayControllerTest, TrayMenuRestoreSeparatorExit) {
  Make();
  ASSERT_EQ(Tray->Items.size(), 3u);
  EXPECT_EQ(Tray->Items[0].Caption, "&Restore");
  EXPECT_TRUE(Tray->Items[1].Caption.empty());
  EXPECT_EQ(Tray->Items[2].Name, "N6");
  EXPECT_EQ(Tray->Items[2].Caption, "&Exit Lexidrill");
  EXPECT_TRUE(Tray->Choose("N6"));
  EXPECT_EQ(Quits, 1);
}

TEST_F(TrayControllerTest, HotKeyRegistrationReleasesFirst) {
  Make();
  Controller->RegisterHotKey(true, 3, 90);
  EXPECT_TRUE(Key->IsRegistered());
  Controller->RegisterHotKey(false, 3, 90);
  EXPECT_FALSE(Key->IsRegistered());
  Key->Taken = true;  // ignored without a message; the tray still works
  Controller->RegisterHotKey(true, 6, 65);
  EXPECT_FALSE(Key->IsRegistered());
  EXPECT_EQ(Key->Calls, (std::vector<std::string>{"unregister", "register 3 90", "unregister", "unregister",
                                                   "register 6 65"}));
  Controller->BeginPause(1, 0);
  Tray->LeftPress();
  EXPECT_EQ(Questions, 1);
}

TEST_F(TrayControllerTest, StopReleasesTheKeyAndRemovesTheIcon) {
  Make();
  Controller->RegisterHotKey(true, 3, 90);
  Controller->SetTip("Lexidrill. Question 3 of 30");
  EXPECT_EQ(Tray->Tip, "Lexidrill. Question 3 of 30");
  Controller->Stop();
  EXPECT_FALSE(Key->IsRegistered());
  EXPECT_FALSE(Tray->IsShown());
  EXPECT_EQ(Tray->Removes, 1);
}

}  // namespace
