#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QHostInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtSingleInstance.h"
#include "settings/CommandLine.h"
#include "settings/Settings.h"
#include "settings/StartUp.h"
#include "tests/support/FakePrompt.h"

namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Dir.isValid()); }
  QString LockPath() const { return Dir.filePath("Kelv.Check.Instance.Of.Lexidrill"); }
  QTemporaryDir Dir;
};

TEST_F(SingleInstanceTest, SecondOwnerIsRefusedUntilTheFirstLetsGo) {
  TQtSingleInstance first(LockPath()), second(LockPath());
  ASSERT_TRUE(first.TryLock());
  EXPECT_FALSE(second.TryLock());
  first.Unlock();
  EXPECT_TRUE(second.TryLock());
}

TEST_F(SingleInstanceTest, LockOfADeadCopyIsTakenOver) {
  QFile stale(LockPath());
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  // The lock file of a copy that died: a process id that no process has.
  stale.write("2147483646\nlexidrill\n" + QHostInfo::localHostName().toUtf8() + "\n");
  stale.close();
  TQtSingleInstance instance(LockPath());
  EXPECT_TRUE(instance.TryLock());
  EXPECT_TRUE(instance.IsLocked());
}

TEST_F(SingleInstanceTest, SecondCopyBringsThePublishedWindowToTheFront) {
  const QString title = "Lexidrill test " + QString::number(getpid());
  TWindowChannel channel;
  int activations = 0;
  ASSERT_TRUE(channel.Publish(title, [&] { ++activations; }));
  TQtSingleInstance second(LockPath(), 300);
  EXPECT_TRUE(second.ActivateRunningCopy(title.toStdString()));
  QTRY_COMPARE_WITH_TIMEOUT(activations, 1, 3000);
  channel.Unpublish();
  EXPECT_FALSE(second.ActivateRunningCopy(title.toStdString()));
}

// The running copy's window is titled "Lexidrill"; a second start looks for
// another title, finds nothing, shows the message and leaves the settings
// file as it was.
TEST_F(SingleInstanceTest, SecondStartEndsWithTheMessageAndLeavesTheSettings) {
  const QString settingsPath = Dir.filePath("Lexidrill.ini");
  {
    QFile f(settingsPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\nInstallDir=/opt/lexidrill/\nMaxQCount=50\n");
  }
  TQtSingleInstance running(LockPath());
  ASSERT_TRUE(running.TryLock());
  TWindowChannel channel;
  ASSERT_TRUE(channel.Publish("Lexidrill", [] {}));

  TFakePrompt prompt;
  TQtSingleInstance second(LockPath(), 300);
  TStartUpServices services;
  services.Instance = &second;
  services.OpenSettings = [&] { return std::make_unique<TQtSettingsStore>(settingsPath); };
  services.ProgramFolder = "/usr/lib/lexidrill";
  EXPECT_FALSE(RunStartUp(std::move(services)));
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"To run program click on its icon in system tray"});
  EXPECT_TRUE(FinishProcess());
  EXPECT_TRUE(running.IsLocked());
  QFile f(settingsPath);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("[General]\nInstallDir=/opt/lexidrill/\nMaxQCount=50\n"));
  ResetCommandLine();
}

}  // namespace
