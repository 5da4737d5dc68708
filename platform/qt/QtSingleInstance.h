#pragma once
// One running copy per user: a lock file named
// "Kelv.Check.Instance.Of.Lexidrill" in the runtime folder marks it, and its
// main window listens on a local socket named after the window title and the
// user id, so that a second copy can ask it to come to the front.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/SingleInstance.h"

class TQtSingleInstance final : public TSingleInstance {
 public:
  // LookupMs: how long a second copy keeps looking for the running window
  // (the first copy may be starting and not listen yet).
  explicit TQtSingleInstance(const QString& LockPath = DefaultLockPath(), int LookupMs = 1000);
  ~TQtSingleInstance() override;

  bool TryLock() override;
  void Unlock() override;
  bool ActivateRunningCopy(const std::string& Title) override;

  bool IsLocked() const;

  static QString DefaultLockPath();

 private:
  std::unique_ptr<QLockFile> Lock;
  int LookupMs;
};

// The socket name a window titled Title listens on.
QString WindowChannelName(const QString& Title);

// Listens for second copies on behalf of the main window titled Title and
// calls OnActivate for each request. Publish only while holding the lock: a
// left-over socket of a copy that died is removed first.
class TWindowChannel final : public QObject {
  Q_OBJECT
 public:
  explicit TWindowChannel(QObject* Parent = nullptr);
  bool Publish(const QString& Title, std::function<void()> OnActivate);
  void Unpublish();

 private:
  void Accept();

  QLocalServer Server;
  std::function<void()> Activate;
};
