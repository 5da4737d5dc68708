// The program entry: start-up before any window, the main window for the
// run, and the end of the process once the window is gone.
#include <QApplication>

#include "dictionary/ProgressProcs.h"
#include "platform/qt/EndSignals.h"
#include "platform/qt/StartUpServices.h"
#include "ui/AppIcon.h"
#include "ui/FormMain.h"
#include "ui/LexidrillVisualLittle.h"
#include "ui/PreViewDictFile.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Hiding the window to the tray must not end the program.
  QApplication::setQuitOnLastWindowClosed(false);
  QCoreApplication::setApplicationName("Lexidrill");
  SetDefaultProgressProcs();
  InstallVisualProgress();
  if (!StartLexidrill()) {  // another copy runs
    FinishLexidrill();
    return 0;
  }
  InstallDictionaryChooser();
  // Every window and the tray take this icon; it needs InstallDir, known only now.
  QApplication::setWindowIcon(LexidrillIcon());
  QGuiApplication::setDesktopFileName("lexidrill");
  int rc = 0;
  // Logout or shutdown ends the program as its Exit command does; until the
  // settings are written, a signal is only noted.
  TFormMain* running = nullptr;
  TEndSignals endSignals([&running] {
    if (running) running->close();
  });
  {
    TFormMain window;
    running = &window;
    PublishMainWindow(&window, [&window] { window.Tray().Activate(); });
    window.ShowAtStart();
    rc = QApplication::exec();
    window.FormDestroy();
    running = nullptr;
  }
  FinishLexidrill();
  return rc;
}
