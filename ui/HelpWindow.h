#pragma once
// The program's help window: the HTML help file shown in a text browser.
// One window for the run; opening it again brings it to the front at the
// contents (the top of the file).

#include <QString>

class QTextBrowser;

// Opens FileName at its contents; a missing file shows a short note instead.
void ShowHelp(const QString& FileName);
// Closes the help window if it is open (at the end of the program).
void CloseHelp();
// The open help window, or nullptr.
QTextBrowser* HelpWindow();
