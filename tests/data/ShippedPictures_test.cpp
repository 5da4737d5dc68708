#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

#include "settings/Settings.h"
#include "tests/data/DataFiles.h"
#include "ui/AppIcon.h"

namespace {

QImage Load(const std::string& FileName) { return QImage(QString::fromStdString(FileName)); }

bool SameImage(const QImage& A, const QImage& B) {
  return A.convertToFormat(QImage::Format_ARGB32) == B.convertToFormat(QImage::Format_ARGB32);
}

// The names the results window loads, best grade first.
const char* const GradeFiles[] = {"grade-5plus.png", "grade-5.png", "grade-4.png", "grade-3.png", "grade-2.png"};

class GradePictureTest : public ::testing::TestWithParam<const char*> {};

// Square, transparent around a solid medal, so the window's background shows
// through at the corners.
TEST_P(GradePictureTest, IsASquareMedalOnATransparentGround) {
  const QImage image = Load(BuildPath("Pictures/") + GetParam());
  ASSERT_FALSE(image.isNull()) << GetParam();
  EXPECT_EQ(image.size(), QSize(96, 96));
  ASSERT_TRUE(image.hasAlphaChannel());
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(image.pixel(95, 0)), 0);
  EXPECT_EQ(qAlpha(image.pixel(48, 44)), 255);
}

INSTANTIATE_TEST_SUITE_P(AllGrades, GradePictureTest, ::testing::ValuesIn(GradeFiles));

TEST(GradePictures, EveryGradeLooksDifferent) {
  for (size_t i = 0; i < std::size(GradeFiles); ++i)
    for (size_t j = i + 1; j < std::size(GradeFiles); ++j)
      EXPECT_FALSE(SameImage(Load(BuildPath("Pictures/") + GradeFiles[i]), Load(BuildPath("Pictures/") + GradeFiles[j])))
          << GradeFiles[i] << " and " << GradeFiles[j];
}

TEST(AppIcon, ShippedIconIsTheDrawnIcon) {
  const QImage shipped = Load(BuildPath("lexidrill.png"));
  ASSERT_FALSE(shipped.isNull());
  EXPECT_EQ(shipped.size(), QSize(256, 256));
  EXPECT_TRUE(SameImage(shipped, DrawLexidrillIcon(256)));
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString name = QString("data/hicolor/%1x%1/apps/lexidrill.png").arg(size);
    const QImage themed = Load(BuildPath(name.toStdString()));
    EXPECT_EQ(themed.size(), QSize(size, size)) << name.toStdString();
    EXPECT_TRUE(SameImage(themed, DrawLexidrillIcon(size))) << name.toStdString();
  }
}

TEST(AppIcon, ComesFromTheInstallFolder) {
  Settings = TSettings();
  Settings.InstallDir = BuildPath();
  const QIcon icon = LexidrillIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(SameImage(icon.pixmap(256, 256).toImage(), Load(BuildPath("lexidrill.png"))));
}

TEST(AppIcon, IsDrawnWhenTheFileIsMissing) {
  QTemporaryDir empty;
  ASSERT_TRUE(empty.isValid());
  Settings = TSettings();
  Settings.InstallDir = empty.path().toStdString() + "/";
  const QIcon icon = LexidrillIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
  EXPECT_TRUE(SameImage(icon.pixmap(32, 32).toImage(), DrawLexidrillIcon(32)));
  Settings = TSettings();
}

}  // namespace
