#include "platform/qt/QtSingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
const QByteArray ActivateRequest = "activate\n";
}

TQtSingleInstance::TQtSingleInstance(const QString& LockPath, int LookupMs)
    : Lock(std::make_unique<QLockFile>(LockPath)), LookupMs(LookupMs) {
  // Only a lock whose owner is gone is stale; the running copy may run for
  // days without touching its lock file.
  Lock->setStaleLockTime(0);
}

TQtSingleInstance::~TQtSingleInstance() { Unlock(); }

QString TQtSingleInstance::DefaultLockPath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir + "/Kelv.Check.Instance.Of.Lexidrill";
}

bool TQtSingleInstance::TryLock() {
  if (Lock->isLocked()) return true;
  if (Lock->tryLock(0)) return true;
  // Only another copy holding the lock stops us; a runtime folder we cannot
  // write must not keep the program from starting.
  return Lock->error() != QLockFile::LockFailedError;
}

void TQtSingleInstance::Unlock() {
  if (Lock->isLocked()) Lock->unlock();
}

bool TQtSingleInstance::IsLocked() const { return Lock->isLocked(); }

bool TQtSingleInstance::ActivateRunningCopy(const std::string& Title) {
  const QString name = WindowChannelName(QString::fromStdString(Title));
  QElapsedTimer timer;
  timer.start();
  for (;;) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(100)) {
      socket.write(ActivateRequest);
      const bool sent = socket.waitForBytesWritten(500);
      socket.disconnectFromServer();
      return sent;
    }
    if (timer.elapsed() >= LookupMs) return false;
    QThread::msleep(100);
  }
}

QString WindowChannelName(const QString& Title) {
  return Title + "-" + QString::number(static_cast<qulonglong>(getuid()));
}

TWindowChannel::TWindowChannel(QObject* Parent) : QObject(Parent) {
  connect(&Server, &QLocalServer::newConnection, this, &TWindowChannel::Accept);
}

bool TWindowChannel::Publish(const QString& Title, std::function<void()> OnActivate) {
  Unpublish();
  Activate = std::move(OnActivate);
  const QString name = WindowChannelName(Title);
  QLocalServer::removeServer(name);
  Server.setSocketOptions(QLocalServer::UserAccessOption);
  return Server.listen(name);
}

void TWindowChannel::Unpublish() {
  if (Server.isListening()) Server.close();
}

void TWindowChannel::Accept() {
  while (QLocalSocket* socket = Server.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine())
        if (socket->readLine() == ActivateRequest && Activate) Activate();
    });
  }
}
