#include "ui/HelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {
QPointer<QTextBrowser> help;
}

void ShowHelp(const QString& FileName) {
  if (!help) {
    help = new QTextBrowser;
    help->setObjectName("HelpWindow");
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->setOpenExternalLinks(true);
    help->resize(560, 480);
  }
  help->setWindowTitle("Lexidrill Help");
  QFile file(FileName);
  if (file.open(QIODevice::ReadOnly)) {
    help->setSearchPaths({QFileInfo(FileName).absolutePath()});
    help->setHtml(QString::fromUtf8(file.readAll()));
  } else {
    help->setPlainText("The help file " + FileName + " cannot be opened.");
  }
  help->moveCursor(QTextCursor::Start);
  help->show();
  help->raise();
  help->activateWindow();
}

void CloseHelp() {
  if (help) help->close();
}

QTextBrowser* HelpWindow() { return help.data(); }
