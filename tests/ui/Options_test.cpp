#include "ui/Options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QScreen>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "OptionsTestSupport.h"
#include "tests/support/FakePrompt.h"
#include "ui/BevelPanel.h"

namespace {

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetSettings(); }

  std::unique_ptr<TOptions> Open() { return std::make_unique<TOptions>(nullptr, Files, nullptr); }
  template <class T>
  static T* Find(TOptions& D, const char* Name) {
    T* w = D.findChild<T*>(Name);
    EXPECT_NE(w, nullptr) << Name;
    return w;
  }
  static bool ApplyEnabled(TOptions& D) { return Find<QPushButton>(D, "btSave")->isEnabled(); }
  static QString SoundState(TOptions& D, int Row) { return Find<QTableWidget>(D, "sgSound")->item(Row, 0)->text(); }

  TFakePrompt Prompts;
  TFakeFileDialog Files;
  TFakeFontDialog Fonts;
  TFakeColorDialog Colors;
  TFakeSoundPlayer Sounds;
};

TEST_F(OptionsTest, OpeningAndClosingWithoutChangesAsksNothingAndChangesNothing) {
  const TOptionsSnapshot before = SnapshotFromSettings(Settings);
  const uint32_t wrongText = Settings.CurEWAFColor;
  auto d = Open();
  EXPECT_FALSE(ApplyEnabled(*d));
  EXPECT_EQ(Find<QLineEdit>(*d, "edQCount")->text(), "30");
  EXPECT_EQ(Find<QLineEdit>(*d, "edHK")->text(), "Ctrl+Alt+Z");
  EXPECT_EQ(Find<QPushButton>(*d, "btOnOff")->text(), "Turn off");
  d->reject();
  EXPECT_TRUE(Prompts.Shown.empty());
  EXPECT_FALSE(d->NeedsNewExamination());
  EXPECT_TRUE(SameOptions(before, SnapshotFromSettings(Settings)));
  EXPECT_EQ(Settings.CurEWAFColor, wrongText);
}

TEST_F(OptionsTest, ClosingWithChangesAsksAndAppliesOnlyOnOk) {
  for (TDialogButton answer : {dbCancel, dbOk}) {
    SCOPED_TRACE(answer);
    ResetSettings();
    Prompts.Shown.clear();
    Prompts.Answers = {answer};
    auto d = Open();
    Find<QSpinBox>(*d, "UpDownACount")->setValue(7);
    EXPECT_TRUE(ApplyEnabled(*d));
    d->reject();
    ASSERT_EQ(Prompts.Texts(), std::vector<std::string>{"Would you like to apply changes?"});
    EXPECT_EQ(Prompts.Shown[0].Buttons, unsigned(dbOk | dbCancel));
    EXPECT_EQ(Settings.CurAnswersCount, answer == dbOk ? 7 : 5);
    EXPECT_EQ(d->NeedsNewExamination(), answer == dbOk);
  }
}

TEST_F(OptionsTest, EscapeAndTheCloseBoxAskToo) {
  for (bool escape : {true, false}) {
    SCOPED_TRACE(escape);
    Prompts.Shown.clear();
    auto d = Open();
    d->show();
    Find<QCheckBox>(*d, "cbMainMenuOff")->click();
    if (escape)
      QTest::keyClick(d.get(), Qt::Key_Escape);
    else
      d->close();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Prompts.Shown.size(), 1u);
    EXPECT_FALSE(Settings.MainMenuOff);
  }
}

TEST_F(OptionsTest, ApplyIsEnabledExactlyWhileControlsDiffer) {
  auto d = Open();
  auto* min = Find<QSpinBox>(*d, "UpDownMin");
  min->setValue(4);
  EXPECT_TRUE(ApplyEnabled(*d));
  min->setValue(3);
  EXPECT_FALSE(ApplyEnabled(*d));
  Find<QCheckBox>(*d, "cbStatusOff")->click();
  EXPECT_TRUE(ApplyEnabled(*d));
  Find<QPushButton>(*d, "btSave")->click();
  EXPECT_FALSE(ApplyEnabled(*d));
  EXPECT_TRUE(Settings.StatusOff);
}

TEST_F(OptionsTest, AnswerCountForcesNewExaminationButColoursDoNot) {
  {
    auto d = Open();
    Find<QSpinBox>(*d, "UpDownACount")->setValue(8);
    d->btSaveClick();
    d->reject();
    EXPECT_TRUE(d->NeedsNewExamination());
    EXPECT_EQ(Settings.CurAnswersCount, 8);
  }
  {
    auto d = Open();
    d->SelectColorGroup(cgQuestion);
    Colors.Answer = QColor(0x10, 0x20, 0x30);
    d->btSetBackGroundClick();
    EXPECT_TRUE(ApplyEnabled(*d));
    d->btSaveClick();
    d->reject();
    EXPECT_FALSE(d->NeedsNewExamination());
    EXPECT_EQ(Settings.CurQBGColor, 0x302010u);
  }
}

TEST_F(OptionsTest, StoredSecondsAboveTheControlsRangeShowAndStoreItsMaximum) {
  Settings.IntervalSec = 75;
  auto d = Open();
  EXPECT_EQ(Find<QLineEdit>(*d, "edSec")->text(), "59");
  EXPECT_TRUE(ApplyEnabled(*d));
  d->btSaveClick();
  EXPECT_EQ(Settings.IntervalSec, 59);
}

TEST_F(OptionsTest, ActiveAndCorrectAnswerShareTheFontButKeepTheirColours) {
  Settings.CurECAFColor = 0x0000FF;  // red
  auto d = Open();
  for (int32_t chosen : {cgActiveAnswer, cgCorrectAnswer}) {
    SCOPED_TRACE(chosen);
    const int32_t twin = chosen == cgActiveAnswer ? cgCorrectAnswer : cgActiveAnswer;
    const TColor twinColor = d->PanelLook(twin).Font.Color;
    d->SelectColorGroup(chosen);
    QFont f("DejaVu Serif");
    f.setPointSize(chosen == cgActiveAnswer ? 14 : 16);
    f.setItalic(true);
    const QColor color = chosen == cgActiveAnswer ? QColor(0, 0x80, 0) : QColor(0, 0, 0xC0);
    Fonts.Answer = {f, color};
    d->btSetFontClick();
    for (int32_t g : {chosen, twin}) {
      EXPECT_EQ(d->PanelLook(g).Font.Name, "DejaVu Serif");
      EXPECT_EQ(d->PanelLook(g).Font.Size, f.pointSize());
      EXPECT_TRUE(d->PanelLook(g).Font.Italic);
    }
    EXPECT_EQ(d->PanelLook(chosen).Font.Color, chosen == cgActiveAnswer ? 0x008000u : 0xC00000u);
    EXPECT_EQ(d->PanelLook(twin).Font.Color, twinColor);
  }
  d->btSaveClick();
  EXPECT_EQ(Settings.CurAHLFont.Name, "DejaVu Serif");
  EXPECT_EQ(Settings.CurAHLFont.Size, 16);
  EXPECT_EQ(Settings.CurAHLFont.Height, -21);
  EXPECT_EQ(Settings.CurAHLFont.Color, 0x008000u);
  EXPECT_EQ(Settings.CurECAFColor, 0xC00000u);
}

TEST_F(OptionsTest, FontDialogStartsWithThePanelFontAndCancelChangesNothing) {
  auto d = Open();
  d->SelectColorGroup(cgQuestion);
  d->btSetFontClick();
  EXPECT_EQ(Fonts.Calls, 1);
  EXPECT_TRUE(Fonts.ShownFont.bold());
  EXPECT_EQ(Fonts.ShownFont.family(), "MS Sans Serif");
  EXPECT_FALSE(ApplyEnabled(*d));
}

TEST_F(OptionsTest, ApplyTakesEffectColoursFromThePanelsAndAnswerBackground) {
  Settings.CurAIBGColor = 0x111111;
  Settings.CurAHBGColor = 0x222222;
  auto d = Open();
  Find<QCheckBox>(*d, "cbMainMenuOff")->click();
  d->btSaveClick();
  EXPECT_EQ(Settings.CurEHAFColor, 0x80000008u);  // was blue
  EXPECT_EQ(Settings.CurEWAFColor, Settings.CurAIFont.Color);
  EXPECT_EQ(Settings.CurECAFColor, 0x00FFFFu);
  EXPECT_EQ(Settings.CurAIBGColor, Settings.CurABGColor);
  EXPECT_EQ(Settings.CurAHBGColor, Settings.CurABGColor);
  EXPECT_EQ(Settings.CurABGColor, 0xDCF1F8u);
}

TEST_F(OptionsTest, CallUpKeyTakesLettersWithModifiersInFixedOrder) {
  struct Case {
    int Key;
    bool Ctrl, Shift, Alt;
    const char* Text;
    int32_t Bits;
  };
  const Case cases[] = {{'K', true, true, true, "Ctrl+Shift+Alt+K", 7},
                        {'Z', true, false, true, "Ctrl+Alt+Z", 3},
                        {'Q', false, false, false, "Q", 0},
                        {'A', false, true, false, "Shift+A", 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    ResetSettings();
    auto d = Open();
    EXPECT_TRUE(d->edHKKeyDown(c.Key, c.Ctrl, c.Shift, c.Alt));
    EXPECT_EQ(Find<QLineEdit>(*d, "edHK")->text(), c.Text);
    d->btSaveClick();
    EXPECT_EQ(Settings.HotKeyModifiers, c.Bits);
    EXPECT_EQ(Settings.HotKeyVirtualKey, c.Key);
  }
}

TEST_F(OptionsTest, CallUpKeyIgnoresEverythingButLetters) {
  auto d = Open();
  auto* edHK = Find<QLineEdit>(*d, "edHK");
  QTest::keyClick(edHK, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  EXPECT_EQ(edHK->text(), "Ctrl+Shift+Alt+K");
  QTest::keyClick(edHK, Qt::Key_5, Qt::ControlModifier);
  QTest::keyClick(edHK, Qt::Key_F1);
  EXPECT_EQ(edHK->text(), "Ctrl+Shift+Alt+K");
  d->btSaveClick();
  EXPECT_EQ(Settings.HotKeyModifiers, 7);
  EXPECT_EQ(Settings.HotKeyVirtualKey, 75);
}

TEST_F(OptionsTest, StoredKeyThatIsNoLetterIsNotShownAndApplyClearsOnlyTheModifiers) {
  Settings.HotKeyVirtualKey = 112;
  auto d = Open();
  EXPECT_EQ(Find<QLineEdit>(*d, "edHK")->text(), "edHK");
  EXPECT_TRUE(ApplyEnabled(*d));
  d->btSaveClick();
  EXPECT_EQ(Settings.HotKeyModifiers, 0);
  EXPECT_EQ(Settings.HotKeyVirtualKey, 112);
}

TEST_F(OptionsTest, LoadDefaultsResetsEverythingButTheKeptValues) {
  Settings.StartUpDict = "/home/u/words.lxd";
  Settings.MainFormX = 12;
  Settings.MainFormY = 34;
  Settings.ExecCount = 9;
  Settings.NewQPanelMaximized = false;
  Settings.ImportValue = "kept";
  Settings.MaxQCount = 200;
  Settings.CurSizeX = 500;
  Settings.ExportFName = "mine.txt";
  Settings.Sounds[3].Enabled = false;
  auto d = Open();
  d->btDefaultClick();
  EXPECT_EQ(Settings.StartUpDict, "/home/u/words.lxd");
  EXPECT_EQ(Settings.MainFormX, 12);
  EXPECT_EQ(Settings.MainFormY, 34);
  EXPECT_EQ(Settings.ExecCount, 9);
  EXPECT_FALSE(Settings.NewQPanelMaximized);
  EXPECT_EQ(Settings.ImportValue, "kept");
  EXPECT_EQ(Settings.MaxQCount, 30);
  EXPECT_EQ(Settings.CurSizeX, 341);
  EXPECT_EQ(Settings.ExportFName, "export.txt");
  EXPECT_TRUE(Settings.Sounds[3].Enabled);
  EXPECT_EQ(Find<QLineEdit>(*d, "edQCount")->text(), "30");
  EXPECT_FALSE(ApplyEnabled(*d));
  d->reject();
  EXPECT_TRUE(Prompts.Shown.empty());
  EXPECT_TRUE(d->NeedsNewExamination());
}

TEST_F(OptionsTest, BlinkCountsBelongToTheirGroupsAcrossGroupChanges) {
  auto d = Open();
  auto* blinks = Find<QSpinBox>(*d, "UpDownBlinks");
  d->SelectColorGroup(cgWrongAnswer);
  EXPECT_TRUE(blinks->isEnabled());
  EXPECT_EQ(blinks->value(), 2);
  blinks->setValue(4);
  d->SelectColorGroup(cgQuestion);
  EXPECT_FALSE(blinks->isEnabled());
  EXPECT_EQ(blinks->value(), 0);
  d->SelectColorGroup(cgCorrectAnswer);
  EXPECT_EQ(blinks->value(), 1);
  d->SelectColorGroup(cgWrongAnswer);
  EXPECT_EQ(blinks->value(), 4);
  d->btSaveClick();
  EXPECT_EQ(Settings.EftCorrACount, 1);
  EXPECT_EQ(Settings.EftIncorrACount, 4);
  EXPECT_EQ(Settings.EftHelpACount, 3);
}

TEST_F(OptionsTest, PanelsSelectTheirGroupAndShowWhichIsCurrent) {
  auto d = Open();
  TBevelPanel* hint = d->Panel(cgHint);
  QTest::mouseClick(hint, Qt::LeftButton);
  EXPECT_EQ(d->ColorGroup(), cgHint);
  EXPECT_EQ(Find<QComboBox>(*d, "cbColorGroup")->currentText(), "Hint");
  EXPECT_EQ(hint->BevelOuter(), bvLowered);
  EXPECT_EQ(hint->BevelInner(), bvLowered);
  EXPECT_EQ(hint->cursor().shape(), Qt::ArrowCursor);
  d->RefreshPanelLook(cgAnswer);
  EXPECT_EQ(d->Panel(cgAnswer)->BevelOuter(), bvNone);
  EXPECT_EQ(d->Panel(cgAnswer)->BevelInner(), bvRaised);
  EXPECT_EQ(d->Panel(cgQuestion)->BevelOuter(), bvLowered);
  EXPECT_EQ(d->Panel(cgQuestion)->BevelInner(), bvRaised);
  EXPECT_EQ(d->Panel(cgQuestion)->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(OptionsTest, SoundRowsSwitchAndBrowse) {
  auto d = Open();
  auto* grid = Find<QTableWidget>(*d, "sgSound");
  auto* onOff = Find<QPushButton>(*d, "btOnOff");
  EXPECT_EQ(grid->item(0, 1)->text(), "Right answer");
  EXPECT_EQ(grid->item(0, 2)->text(), "<Lexidrill folder>Sound/lexidrillsnd0.wav");
  EXPECT_EQ(SoundState(*d, 4), "Off");
  grid->setCurrentCell(4, 1);
  EXPECT_EQ(onOff->text(), "Turn on");
  d->btOnOffClick();
  EXPECT_EQ(SoundState(*d, 4), "On");
  EXPECT_EQ(onOff->text(), "Turn off");
  EXPECT_TRUE(ApplyEnabled(*d));
  d->btOnOffClick();
  EXPECT_FALSE(ApplyEnabled(*d));

  grid->item(6, 0)->setText("maybe");
  grid->setCurrentCell(6, 1);
  d->btOnOffClick();
  EXPECT_EQ(SoundState(*d, 6), "On");

  grid->setCurrentCell(2, 1);
  d->btOnOffClick();  // off
  Files.Answer = "/home/u/ding.wav";
  d->btSelectClick();
  EXPECT_EQ(Sounds.Played, std::vector<std::string>{"/home/u/ding.wav"});
  EXPECT_EQ(SoundState(*d, 2), "On");
  EXPECT_EQ(grid->item(2, 2)->text(), "/home/u/ding.wav");
  Files.Answer.clear();
  grid->setCurrentCell(3, 1);
  d->btSelectClick();
  EXPECT_EQ(Files.Calls, 2);
  EXPECT_EQ(grid->item(3, 2)->text(), "<Lexidrill folder>Sound/lexidrillsnd3.wav");
  d->btSaveClick();
  EXPECT_EQ(Settings.Sounds[2].FileName, "/home/u/ding.wav");
  EXPECT_TRUE(Settings.Sounds[2].Enabled);
  EXPECT_EQ(Settings.Sounds[3].FileName, "/opt/lexidrill/Sound/lexidrillsnd3.wav");
}

TEST_F(OptionsTest, PlayIgnoresTheSwitches) {
  Settings.Sounds[4].Enabled = false;
  Settings.SoundON = false;
  auto d = Open();
  auto* grid = Find<QTableWidget>(*d, "sgSound");
  grid->setCurrentCell(4, 2);
  d->btPlayClick();
  emit grid->cellDoubleClicked(4, 2);
  EXPECT_EQ(Sounds.Played, std::vector<std::string>(2, "/opt/lexidrill/Sound/lexidrillsnd4.wav"));
  EXPECT_EQ(Sounds.NoStops, std::vector<bool>(2, false));
}

TEST_F(OptionsTest, SwitchesEnableTheirControls) {
  Settings.IntervalPresent = false;
  Settings.SoundON = false;
  Settings.HotKeyEnabled = false;
  auto d = Open();
  EXPECT_FALSE(Find<QSpinBox>(*d, "UpDownSerQCount")->isEnabled());
  EXPECT_FALSE(Find<QSpinBox>(*d, "UpDownSec")->isEnabled());
  EXPECT_FALSE(Find<QTableWidget>(*d, "sgSound")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(*d, "btPlay")->isEnabled());
  EXPECT_FALSE(Find<QLineEdit>(*d, "edHK")->isEnabled());
  EXPECT_FALSE(ApplyEnabled(*d));
  Find<QCheckBox>(*d, "cbInterval")->click();
  Find<QCheckBox>(*d, "cbSoundON")->click();
  Find<QCheckBox>(*d, "cbHKEnabled")->click();
  EXPECT_TRUE(Find<QSpinBox>(*d, "UpDownMin")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(*d, "btSelect")->isEnabled());
  EXPECT_TRUE(Find<QLineEdit>(*d, "edHK")->isEnabled());
  EXPECT_TRUE(ApplyEnabled(*d));
}

TEST_F(OptionsTest, ActivePageIsRemembered) {
  {
    auto d = Open();
    EXPECT_EQ(Find<QTabWidget>(*d, "pcOptions")->currentIndex(), 0);
    Find<QTabWidget>(*d, "pcOptions")->setCurrentIndex(2);
  }
  EXPECT_EQ(Settings.OptionsPage, 2);
  auto d = Open();
  EXPECT_EQ(Find<QTabWidget>(*d, "pcOptions")->currentIndex(), 2);
  EXPECT_EQ(Find<QTabWidget>(*d, "pcOptions")->tabText(2), "  &Interface  ");
}

TEST_F(OptionsTest, EverySoundRowShowsWholeWithoutScrolling) {
  auto d = Open();
  Find<QTabWidget>(*d, "pcOptions")->setCurrentIndex(1);
  d->show();
  QCoreApplication::processEvents();
  auto* grid = Find<QTableWidget>(*d, "sgSound");
  const QRect view = grid->viewport()->rect();
  const QFontMetrics metrics(grid->font());
  for (int r = 0; r < SoundCount; ++r) {
    SCOPED_TRACE(r);
    QTableWidgetItem* name = grid->item(r, 1);
    EXPECT_TRUE(view.contains(grid->visualItemRect(name)));
    EXPECT_LE(metrics.horizontalAdvance(name->text()), grid->columnWidth(1));
  }
  EXPECT_EQ(grid->columnWidth(0), 24);
}

TEST_F(OptionsTest, FontChooserShowsTheStandInOfAMissingFaceAndKeepsTheStoredName) {
  ASSERT_FALSE(QFontDatabase::hasFamily("MS Sans Serif"));
  const QString standIn = ShownFamily("MS Sans Serif");
  EXPECT_NE(standIn, "MS Sans Serif");
  EXPECT_TRUE(QFontDatabase::hasFamily(standIn));
  EXPECT_EQ(ShownFamily(standIn), standIn);
  EXPECT_EQ(ChosenFamily("MS Sans Serif", standIn), "MS Sans Serif");
  EXPECT_EQ(ChosenFamily("MS Sans Serif", "Another Face"), "Another Face");
  EXPECT_EQ(ChosenFamily(standIn, standIn), standIn);
}

TEST_F(OptionsTest, OpensInTheMiddleOfTheScreen) {
  auto d = Open();
  const QPoint middle = d->screen()->availableGeometry().center();
  EXPECT_LE((d->geometry().center() - middle).manhattanLength(), 2);
}

}  // namespace
