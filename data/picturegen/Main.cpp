// lexidrill-picturegen PICTURES ICON THEME: writes the grade pictures into
// the folder PICTURES, the 256-pixel application icon to the file ICON and
// the icon at the usual sizes into the hicolor layout below THEME
// (THEME/NxN/apps/lexidrill.png).
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "data/picturegen/GradePictures.h"
#include "ui/AppIcon.h"

namespace {

constexpr int GradeSize = 96;  // the results window shows them at 96 x 96
constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool Save(const QImage& Image, const QString& FileName) {
  if (!QDir().mkpath(QFileInfo(FileName).absolutePath()) || !Image.save(FileName, "PNG")) {
    std::fprintf(stderr, "lexidrill-picturegen: cannot write %s\n", qPrintable(FileName));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing needs fonts but never a screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "Usage: lexidrill-picturegen PICTURES ICON THEME\n");
    return 2;
  }
  bool ok = true;
  const auto& grades = GradePictures();
  for (int i = 0; i < static_cast<int>(grades.size()); ++i)
    ok = Save(DrawGradePicture(i, GradeSize), args[1] + "/" + grades[i].FileName) && ok;
  ok = Save(DrawLexidrillIcon(256), args[2]) && ok;
  for (int size : IconSizes)
    ok = Save(DrawLexidrillIcon(size), QString("%1/%2x%2/apps/lexidrill.png").arg(args[3]).arg(size)) && ok;
  return ok ? 0 : 1;
}
