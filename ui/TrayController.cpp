#include "ui/TrayController.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <climits>

#include "exam/UnitRules.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/Taskbar.h"
#include "platform/qt/X11HotKey.h"

TQtPauseTimer::TQtPauseTimer(QTimer* Timer) : FTimer(Timer) {
  if (!Timer) return;
  Timer->setSingleShot(true);
  FConnection = QObject::connect(Timer, &QTimer::timeout, [this] {
    if (OnTimeout) OnTimeout();
  });
}

TQtPauseTimer::~TQtPauseTimer() { QObject::disconnect(FConnection); }

void TQtPauseTimer::Start(int64_t Milliseconds) {
  if (!FTimer) return;
  FTimer->start(static_cast<int>(std::clamp<int64_t>(Milliseconds, 1, INT_MAX)));
}

void TQtPauseTimer::Stop() {
  if (FTimer) FTimer->stop();
}

TTrayController::TTrayController(QWidget* Window, TTrayControllerHooks Hooks, std::unique_ptr<TTray> Tray,
                                 std::unique_ptr<THotKey> HotKey, std::unique_ptr<TPauseTimer> Timer)
    : FWindow(Window),
      FHooks(std::move(Hooks)),
      FTray(Tray ? std::move(Tray) : std::make_unique<TQtTray>()),
      FHotKey(HotKey ? std::move(HotKey) : std::make_unique<TX11HotKey>()) {
  if (!Timer) {
    FOwnTimer = std::make_unique<QTimer>();
    Timer = std::make_unique<TQtPauseTimer>(FOwnTimer.get());
  }
  FTimer = std::move(Timer);
  FTimer->OnTimeout = [this] { EndPause(); };
  FTray->OnLeftPress = [this] { TrayLeftPress(); };
  FHotKey->OnPressed = [this] { TrayLeftPress(); };
  FTray->SetMenu({{"Restore", "&Restore", [this] { RestoreClick(); }},
                  {"N5", "", nullptr},
                  {"N6", "&Exit Lexidrill", [this] {
                     if (FHooks.Quit) FHooks.Quit();
                   }}});
  if (Window) Window->installEventFilter(this);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &TTrayController::ApplicationStateChanged);
}

TTrayController::~TTrayController() {
  FTimer->OnTimeout = nullptr;
  FTray->OnLeftPress = nullptr;
  FHotKey->OnPressed = nullptr;
}

void TTrayController::Start(const std::string& Tip) {
  FTray->Add(Tip);
  if (FWindow) SetSkipTaskbar(FWindow, FTray->IsShown());
}

void TTrayController::Stop() {
  FTimer->Stop();
  FPauseRunning = false;
  UnregisterHotKey();
  FTray->Remove();
}

void TTrayController::SetTip(const std::string& Tip) { FTray->SetTip(Tip); }

void TTrayController::RegisterHotKey(bool Enabled, uint32_t Modifiers, uint32_t VirtualKey) {
  UnregisterHotKey();
  if (Enabled) FHotKey->Register(Modifiers, VirtualKey);
}

void TTrayController::UnregisterHotKey() { FHotKey->Unregister(); }

void TTrayController::BeginPause(int32_t IntervalMin, int32_t IntervalSec) {
  FPauseRunning = true;
  HideWindow();
  if (PauseExpires(IntervalMin, IntervalSec)) FTimer->Start(PauseMilliseconds(IntervalMin, IntervalSec));
}

void TTrayController::EndPause() {
  if (!FPauseRunning || FEnding) return;
  FPauseRunning = false;
  FTimer->Stop();
  FEnding = true;
  if (FHooks.NextQuestion) FHooks.NextQuestion();
  FEnding = false;
  ShowFromTray();
}

void TTrayController::ShowFromTray() {
  if (!FWindow) return;
  ShowRestored();
  if (FHooks.PlayPopup) FHooks.PlayPopup();
}

void TTrayController::TrayLeftPress() {
  if (FEnding) return;
  if (FPauseRunning)
    EndPause();
  else
    ShowFromTray();
}

void TTrayController::HideWindow() {
  if (!FWindow) return;
  if (FTray->IsShown())
    FWindow->hide();
  else
    FWindow->showMinimized();
}

void TTrayController::Activate() {
  if (FEnding || !FWindow) return;
  if (FPauseRunning) {
    EndPause();
    return;
  }
  ShowRestored();
}

void TTrayController::ShowRestored() {
  // Window managers drop the state on hide; it must be there before mapping.
  SetSkipTaskbar(FWindow, FTray->IsShown());
  FWindow->setWindowState(FWindow->windowState() & ~Qt::WindowMinimized);
  FWindow->show();
  FWindow->raise();
  FWindow->activateWindow();
}

void TTrayController::ApplicationStateChanged(Qt::ApplicationState State) {
  if (State == Qt::ApplicationActive && FPauseRunning && !FEnding) EndPause();
}

bool TTrayController::eventFilter(QObject* Watched, QEvent* Event) {
  // A window minimised by the user goes to the tray, leaving nothing behind.
  if (Watched == FWindow && Event->type() == QEvent::WindowStateChange && FWindow->isMinimized() &&
      FTray->IsShown()) {
    QTimer::singleShot(0, this, [this] {
      if (FWindow && FWindow->isMinimized() && FTray->IsShown()) FWindow->hide();
    });
  }
  return QObject::eventFilter(Watched, Event);
}
