#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <string>

#include "settings/Folders.h"
#include "settings/Settings.h"
#include "tests/data/DataFiles.h"
#include "ui/HelpWindow.h"

namespace {

QString HelpText() {
  Settings = TSettings();
  Settings.InstallDir = BuildPath();
  QFile file(QString::fromStdString(HelpFile()));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> Captures(const QString& Text, const QString& Pattern) {
  QSet<QString> found;
  auto it = QRegularExpression(Pattern).globalMatch(Text);
  while (it.hasNext()) found.insert(it.next().captured(1));
  return found;
}

TEST(HelpFile, ShowsInTheHelpWindow) {
  ASSERT_FALSE(HelpText().isEmpty()) << HelpFile();
  ShowHelp(QString::fromStdString(HelpFile()));
  QTextBrowser* w = HelpWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->toPlainText().contains("Lexidrill Help"));
  EXPECT_FALSE(w->toPlainText().contains("cannot be opened"));
  CloseHelp();
}

// Every link inside the help leads to a place in it, and every picture it
// shows is shipped beside it.
TEST(HelpFile, LinksAndPicturesResolve) {
  const QString text = HelpText();
  ASSERT_FALSE(text.isEmpty());
  const QSet<QString> targets = Captures(text, R"re(<a name="([^"]+)")re");
  const QSet<QString> links = Captures(text, R"re(href="#([^"]+)")re");
  EXPECT_GE(links.size(), 10);
  for (const QString& link : links) EXPECT_TRUE(targets.contains(link)) << link.toStdString();
  const QSet<QString> pictures = Captures(text, R"re(<img src="([^"]+)")re");
  EXPECT_FALSE(pictures.isEmpty());
  for (const QString& src : pictures)
    EXPECT_FALSE(QImage(QString::fromStdString(BuildPath()) + src).isNull()) << src.toStdString();
}

}  // namespace
