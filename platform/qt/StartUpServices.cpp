#include "platform/qt/StartUpServices.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/qt/CanberraSoundPlayer.h"
#include "platform/qt/MessageBoxPrompt.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtSingleInstance.h"
#include "settings/CommandLine.h"
#include "settings/Sounds.h"
#include "settings/StartUp.h"

namespace {

struct TServices {
  TMessageBoxPrompt Prompt;
  TCanberraSoundPlayer Player;
  std::unique_ptr<TQtSingleInstance> Instance;
  std::unique_ptr<TWindowChannel> Channel;
};

TServices& Services() {
  static TServices services;
  return services;
}

}  // namespace

bool StartLexidrill(const TLexidrillPaths& Paths) {
  TServices& s = Services();
  SetPrompt(&s.Prompt);
  SetSoundPlayer(&s.Player);

  std::vector<std::string> args;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) args.push_back(all[i].toStdString());
  SetCommandLineArguments(std::move(args));

  s.Instance = std::make_unique<TQtSingleInstance>(Paths.LockFile.isEmpty() ? TQtSingleInstance::DefaultLockPath()
                                                                            : Paths.LockFile);
  TStartUpServices start;
  start.Instance = s.Instance.get();
  const QString settingsFile = Paths.SettingsFile.isEmpty() ? TQtSettingsStore::DefaultPath() : Paths.SettingsFile;
  start.OpenSettings = [settingsFile] { return std::make_unique<TQtSettingsStore>(settingsFile); };
  start.ProgramFolder =
      (Paths.ProgramFolder.isEmpty() ? QCoreApplication::applicationDirPath() : Paths.ProgramFolder).toStdString();
  return RunStartUp(std::move(start));
}

void PublishMainWindow(QWidget* Window, std::function<void()> BringToFront) {
  TServices& s = Services();
  if (!Window || IsSecondCopy()) return;
  if (!BringToFront) {
    QPointer<QWidget> w = Window;
    BringToFront = [w] {
      if (!w) return;
      w->show();
      w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
      w->raise();
      w->activateWindow();
    };
  }
  s.Channel = std::make_unique<TWindowChannel>();
  s.Channel->Publish(Window->windowTitle(), std::move(BringToFront));
}

bool FinishLexidrill() {
  TServices& s = Services();
  s.Channel.reset();
  const bool saved = FinishProcess();
  s.Instance.reset();
  SetSoundPlayer(nullptr);
  SetPrompt(nullptr);
  return saved;
}
