#pragma once
// How the program entry runs start-up and the end of the process with the
// real services. Typical use in main():
//
//   QApplication app(argc, argv);
//   if (!StartLexidrill()) { FinishLexidrill(); return 0; }  // another copy runs
//   QApplication::setApplicationDisplayName("Lexidrill");
//   ... create the main window (titled "Lexidrill"), then
//   PublishMainWindow(&mainWindow);  // later copies can bring it to the front
//   int rc = app.exec();
//   ... destroy the main window (it stores its position in Settings)
//   FinishLexidrill();                // saves the settings, releases the lock
//
// StartLexidrill installs the message-box prompt and the sound player,
// passes the command line on, takes the single-instance lock, opens the
// settings file and loads Settings (settings/StartUp.h). A second copy has
// shown its message (or activated the running copy) when it returns false.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct TLexidrillPaths {
  QString SettingsFile;  // empty: $XDG_CONFIG_HOME/Kelvane/Lexidrill.ini
  QString LockFile;      // empty: the runtime folder's lock
  QString ProgramFolder; // empty: the folder of the executable
};

bool StartLexidrill(const TLexidrillPaths& Paths = {});

// Listens for second copies on behalf of Window under its current title.
// BringToFront defaults to show, un-minimise, raise and activate.
void PublishMainWindow(QWidget* Window, std::function<void()> BringToFront = {});

// Saves the settings (not for a second copy) and releases the lock; false
// when the settings file could not be written. The program ends either way.
bool FinishLexidrill();
