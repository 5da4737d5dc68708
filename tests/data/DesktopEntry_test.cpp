#include <QFile>
#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>

#include "tests/data/DataFiles.h"

namespace {

// Key=value lines of the [Desktop Entry] group.
QMap<QString, QString> DesktopEntry() {
  QFile file(QString::fromStdString(SourcePath("data/lexidrill.desktop")));
  QMap<QString, QString> keys;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  if (lines.isEmpty() || lines.first() != "[Desktop Entry]") return keys;
  for (const QString& line : lines.mid(1)) {
    const qsizetype eq = line.indexOf('=');
    if (eq > 0) keys.insert(line.left(eq), line.mid(eq + 1));
  }
  return keys;
}

TEST(DesktopEntry, LaunchesTheProgramWithItsIconAndFileType) {
  const QMap<QString, QString> e = DesktopEntry();
  ASSERT_FALSE(e.isEmpty());
  EXPECT_EQ(e.value("Type"), "Application");
  EXPECT_EQ(e.value("Name"), "Lexidrill");
  EXPECT_EQ(e.value("Exec"), "lexidrill %f");
  EXPECT_EQ(e.value("Icon"), "lexidrill");
  EXPECT_TRUE(e.value("Categories").endsWith(';'));
  QFile mime(QString::fromStdString(SourcePath("data/lexidrill-mime.xml")));
  ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
  const QString types = QString::fromUtf8(mime.readAll());
  for (const QString& type : e.value("MimeType").split(';', Qt::SkipEmptyParts))
    EXPECT_TRUE(types.contains("type=\"" + type + "\"")) << type.toStdString();
  EXPECT_TRUE(types.contains(R"(<glob pattern="*.lxd"/>)"));
}

}  // namespace
