#pragma once
// A request from outside to end the program (SIGTERM at logout or shutdown,
// SIGINT from a terminal, SIGHUP when the terminal goes away) ends it the
// normal way, so the dictionary and the settings are saved rather than lost
// with the process. The signal is only noted in its handler; OnEnd runs later
// from the event loop.

#include <QObject>
#include <functional>

class QSocketNotifier;

class TEndSignals final : public QObject {
  Q_OBJECT
 public:
  // At most one at a time; the signals take their former handling back when it goes.
  explicit TEndSignals(std::function<void()> OnEnd, QObject* Parent = nullptr);
  ~TEndSignals() override;
  TEndSignals(const TEndSignals&) = delete;
  TEndSignals& operator=(const TEndSignals&) = delete;

 private:
  void Drain();

  std::function<void()> FOnEnd;
  QSocketNotifier* FNotifier = nullptr;
};
