#include "ui/About.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "OptionsTestSupport.h"
#include "settings/CommandLine.h"

namespace {

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettings();
    SetSilent(false);
  }
  void TearDown() override { SetSilent(false); }
  static void SetSilent(bool Silent) {
    SetCommandLineArguments(Silent ? std::vector<std::string>{"/ORBISK"} : std::vector<std::string>{});
    ResetCommandLine();
  }
  std::vector<std::string> Files(std::initializer_list<int> Events) {
    std::vector<std::string> files;
    for (int e : Events) files.push_back(Settings.Sounds[e].FileName);
    return files;
  }

  TFakeSoundPlayer Sounds;
};

std::unique_ptr<TAboutBox> Make(bool Program) {
  if (Program) return std::make_unique<TLexidrillAbout>(nullptr);
  return std::make_unique<TFormKelvaneAbout>(nullptr);
}

struct TLine {
  bool ProgramBox;
  const char* Name;
  int Sound;
};

const TLine Lines[] = {
    {false, "lbContact", 6},
    {true, "lbContact", 6},
    {true, "lbCredit1", 8},
    {true, "lbCredit2", 9},
};

TEST_F(AboutTest, OpeningPlaysAboutOnceAndEachClickableLinePlaysItsSound) {
  for (const TLine& line : Lines) {
    SCOPED_TRACE(testing::Message() << (line.ProgramBox ? "program box " : "maker box ") << line.Name);
    Sounds.Played.clear();
    auto box = Make(line.ProgramBox);
    EXPECT_TRUE(Sounds.Played.empty());
    box->show();
    EXPECT_EQ(Sounds.Played, Files({3}));
    auto* label = box->findChild<QLabel*>(line.Name);
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(Sounds.Played, Files({3, line.Sound, line.Sound}));
    // A right click and the plain lines play nothing.
    QTest::mouseClick(label, Qt::RightButton);
    QTest::mouseClick(box->findChild<QLabel*>("lbVersion"), Qt::LeftButton);
    QTest::mouseClick(box->findChild<QLabel*>("lbProgram"), Qt::LeftButton);
    EXPECT_EQ(Sounds.Played.size(), 3u);
    box->hide();
    box->show();
    EXPECT_EQ(Sounds.Played.size(), 3u);
  }
}

TEST_F(AboutTest, OnlyTheProgramBoxHasCreditLines) {
  TFormKelvaneAbout maker(nullptr);
  EXPECT_EQ(maker.findChild<QLabel*>("lbCredit1"), nullptr);
  EXPECT_EQ(maker.findChild<QLabel*>("lbCredit2"), nullptr);
  TLexidrillAbout program(nullptr);
  EXPECT_NE(program.findChild<QLabel*>("lbCredit1"), nullptr);
}

TEST_F(AboutTest, BothNameTheProgramAndItsVersion) {
  EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(ProgramVersion()).hasMatch()) << ProgramVersion().toStdString();
  for (bool program : {false, true}) {
    auto box = Make(program);
    EXPECT_EQ(box->findChild<QLabel*>("lbProgram")->text(), "Lexidrill");
    EXPECT_EQ(box->findChild<QLabel*>("lbVersion")->text(), "Version " + ProgramVersion());
    box->show();
    QTest::mouseClick(box->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->result(), QDialog::Accepted);
  }
}

TEST_F(AboutTest, SilentModeChoosesTheProgramBox) {
  for (bool silent : {false, true}) {
    SCOPED_TRACE(silent);
    SetSilent(silent);
    std::unique_ptr<TAboutBox> box(NewAboutBox(nullptr));
    EXPECT_EQ(dynamic_cast<TLexidrillAbout*>(box.get()) != nullptr, silent);
    EXPECT_EQ(dynamic_cast<TFormKelvaneAbout*>(box.get()) != nullptr, !silent);
  }
}

TEST_F(AboutTest, ShowAboutBoxRunsItModallyAndFreesIt) {
  QString shown;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    shown = modal->objectName();
    QTest::mouseClick(modal->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  });
  ShowAboutBox(nullptr);
  EXPECT_EQ(shown, "FormKelvaneAbout");
  EXPECT_EQ(Sounds.Played, Files({3}));
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), "FormKelvaneAbout");
}

}  // namespace
