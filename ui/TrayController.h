#pragma once
// The program's life beside other work: the tray icon with its menu, the
// global call-up key and the unit pause. After a unit of right answers the
// window hides; it comes back with the next question when the pause ends, on
// a left press on the tray icon, on the call-up key, on Restore, or when the
// user activates the program. A pause ends exactly once.
//
// Without a tray the window is minimised instead of hidden and keeps its
// taskbar entry, so the user can always get it back.

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/HotKey.h"
#include "platform/Tray.h"

class QTimer;
class QWidget;

// The pause timer (the main window's TimerMain). Tests fire it by hand.
class TPauseTimer {
 public:
  virtual ~TPauseTimer() = default;
  virtual void Start(int64_t Milliseconds) = 0;
  virtual void Stop() = 0;
  std::function<void()> OnTimeout;
};

// Runs a QTimer as a single-shot pause timer (not owned).
class TQtPauseTimer final : public TPauseTimer {
 public:
  explicit TQtPauseTimer(QTimer* Timer);
  ~TQtPauseTimer() override;
  void Start(int64_t Milliseconds) override;
  void Stop() override;

 private:
  QPointer<QTimer> FTimer;
  QMetaObject::Connection FConnection;
};

struct TTrayControllerHooks {
  // Draws the next question; at the end of an examination this shows the
  // results window modally first.
  std::function<void()> NextQuestion;
  // The sound event "Program popup".
  std::function<void()> PlayPopup;
  // "&Exit Lexidrill": the program's normal end.
  std::function<void()> Quit;
};

class TTrayController final : public QObject {
  Q_OBJECT
 public:
  // Empty Tray, HotKey or Timer take the real ones (QSystemTrayIcon, the X11
  // key grab, a QTimer of its own).
  TTrayController(QWidget* Window, TTrayControllerHooks Hooks, std::unique_ptr<TTray> Tray = nullptr,
                  std::unique_ptr<THotKey> HotKey = nullptr, std::unique_ptr<TPauseTimer> Timer = nullptr);
  ~TTrayController() override;

  // Start: the tray icon with Tip and, while it is shown, no taskbar entry.
  void Start(const std::string& Tip);
  // End: the call-up key released, the tray icon removed.
  void Stop();
  void SetTip(const std::string& Tip);

  // Releases the call-up key, then takes it again when Enabled; a key that
  // cannot be had is ignored without a message.
  void RegisterHotKey(bool Enabled, uint32_t Modifiers, uint32_t VirtualKey);
  void UnregisterHotKey();

  // A unit is complete: hide and wait IntervalMin:IntervalSec (0:00 waits
  // until the user calls the program up). The answered question stays.
  void BeginPause(int32_t IntervalMin, int32_t IntervalSec);
  // The pause timer's handler: the next question, then the window again.
  void EndPause();
  // Shows the window again, restored and in front, with "Program popup".
  void ShowFromTray();
  // Left press on the tray icon, the call-up key, "&Restore": end a running
  // pause, or else just bring the window forward.
  void TrayLeftPress();
  void RestoreClick() { TrayLeftPress(); }
  // Esc and minimising: out of sight (to the tray), no pause.
  void HideWindow();
  // The user (or a second copy of the program) brings this one forward.
  void Activate();

  bool PauseRunning() const { return FPauseRunning; }
  bool TrayShown() const { return FTray->IsShown(); }
  TTray& Tray() { return *FTray; }
  THotKey& HotKey() { return *FHotKey; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void ApplicationStateChanged(Qt::ApplicationState State);
  void ShowRestored();

  QPointer<QWidget> FWindow;
  TTrayControllerHooks FHooks;
  std::unique_ptr<TTray> FTray;
  std::unique_ptr<THotKey> FHotKey;
  std::unique_ptr<TPauseTimer> FTimer;
  std::unique_ptr<QTimer> FOwnTimer;
  bool FPauseRunning = false;
  bool FEnding = false;  // inside EndPause (the results window may be open)
};
