#include "ui/DictOpt.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>

#include "OptionsTestSupport.h"
#include "charting/BarChart.h"
#include "tests/dictionary/DictFixture.h"

// Failing comparisons of texts print the text.
static void PrintTo(const QString& S, std::ostream* Out) { *Out << '"' << S.toStdString() << '"'; }

namespace {

// Stands in for the platform's program for a file: records what it was asked to open.
class TFakeOpener final : public QObject {
  Q_OBJECT
 public:
  TFakeOpener() { QDesktopServices::setUrlHandler("file", this, "Open"); }
  ~TFakeOpener() override { QDesktopServices::unsetUrlHandler("file"); }
  std::vector<std::string> Opened;
 public slots:
  void Open(const QUrl& Url) { Opened.push_back(Url.toLocalFile().toStdString()); }
};

struct TBar {
  std::string Label;
  double Value;
  bool operator==(const TBar&) const = default;
  friend void PrintTo(const TBar& B, std::ostream* Out) { *Out << B.Label << "=" << B.Value; }
};

class DictOptTest : public DictTest {
 protected:
  void SetUp() override {
    DictTest::SetUp();
    ResetSettings();
    Dict = std::make_unique<TSmartDict>(MakeDict("d.lxd", 20), false);
    Settings.StartUpDict = Dict->FileName;
    SetInfo("Birds of the coast", "Ann", "first\nsecond", 4, 6);
    Prompts.Shown.clear();
  }
  void TearDown() override {
    Dict.reset();
    DictTest::TearDown();
  }

  void SetInfo(const std::string& Description, const std::string& Author, const std::string& Comment, int NTK,
               int UTK) {
    TDictInfo info;
    Dict->GetInfo(info);
    info.Description = Description;
    info.Author = Author;
    info.Comment = Comment;
    info.NTK = NTK;
    info.UTK = UTK;
    Dict->SetInfo(info);
  }
  TDictInfo Info() const {
    TDictInfo info;
    Dict->GetInfo(info);
    return info;
  }

  std::unique_ptr<TFormDictOpt> Open() { return std::make_unique<TFormDictOpt>(nullptr, *Dict, Files); }
  template <class T>
  static T* Find(TFormDictOpt& D, const char* Name) {
    T* w = D.findChild<T*>(Name);
    EXPECT_NE(w, nullptr) << Name;
    return w;
  }
  static bool Enabled(TFormDictOpt& D, const char* Button) { return Find<QPushButton>(D, Button)->isEnabled(); }
  static std::vector<TBar> Bars(TFormDictOpt& D) {
    auto* chart = Find<TBarChart>(D, "Chart1");
    std::vector<TBar> bars;
    for (int i = 0; i < chart->BarCount(); ++i) bars.push_back({chart->BarLabel(i).toStdString(), chart->BarValue(i)});
    return bars;
  }
  static std::vector<TBar> Expected(double All, double New, double Showed, double Learned, double Unlearned) {
    return {{"All questions", All},
            {"New questions", New},
            {"Showed already", Showed},
            {"Learned already", Learned},
            {"Unlearned yet", Unlearned}};
  }

  TFakePrompt Prompts;
  TFakeFileDialog Files;
  TFakeOpener Opener;
  std::unique_ptr<TSmartDict> Dict;
};

TEST_F(DictOptTest, OpeningAndClosingWithoutChangesAsksNothingAndChangesNothing) {
  Settings.ExportFName = "/home/u/out.txt";
  Settings.ExportStat = true;
  Settings.ExportBack = true;
  Settings.ImportFName = "/home/u/in.txt";
  Settings.ImportReplace = true;
  const TSettings before = Settings;
  auto d = Open();
  EXPECT_EQ(d->windowTitle(), "Dictionary Options");
  EXPECT_EQ(Find<QLineEdit>(*d, "edStartUpDict")->text().toStdString(), Dict->FileName);
  EXPECT_TRUE(Find<QLineEdit>(*d, "edStartUpDict")->isReadOnly());
  EXPECT_EQ(Find<QPlainTextEdit>(*d, "MemoDescription")->toPlainText(), "Birds of the coast");
  EXPECT_EQ(Find<QLineEdit>(*d, "edAuthor")->text().toStdString(), "Ann");
  EXPECT_EQ(Find<QPlainTextEdit>(*d, "MemoComment")->toPlainText(), "first\nsecond");
  EXPECT_EQ(Find<QLineEdit>(*d, "edCommonStatusChanger")->text(), "4");
  EXPECT_EQ(Find<QLineEdit>(*d, "edExportFName")->text(), "/home/u/out.txt");
  EXPECT_TRUE(Find<QCheckBox>(*d, "cbExportStat")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(*d, "cbExportComment")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(*d, "cbExportBack")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(*d, "edImportFName")->text(), "/home/u/in.txt");
  EXPECT_TRUE(Find<QLineEdit>(*d, "edImportFName")->isReadOnly());
  EXPECT_TRUE(Find<QCheckBox>(*d, "cbImportReplace")->isChecked());
  EXPECT_FALSE(Enabled(*d, "btApply"));
  d->reject();
  d.reset();
  EXPECT_TRUE(Prompts.Shown.empty());
  EXPECT_TRUE(Opener.Opened.empty());
  const TDictInfo after = Info();
  EXPECT_EQ(after.Description, "Birds of the coast");
  EXPECT_EQ(after.Author, "Ann");
  EXPECT_EQ(after.NTK, 4);
  EXPECT_EQ(after.UTK, 6);
  EXPECT_EQ(Dict->UTK, 6);
  EXPECT_EQ(Settings.ExportFName, before.ExportFName);
  EXPECT_EQ(Settings.ExportStat, before.ExportStat);
  EXPECT_EQ(Settings.ExportBack, before.ExportBack);
  EXPECT_EQ(Settings.ImportFName, before.ImportFName);
  EXPECT_EQ(Settings.ImportReplace, before.ImportReplace);
  EXPECT_EQ(Settings.DictOptPage, 0);
}

TEST_F(DictOptTest, NotClosingAfterOpeningLeavesTheChangedFlagFalse) {
  auto d = Open();
  EXPECT_FALSE(d->NeedsNewExamination());
}

TEST_F(DictOptTest, ThresholdWritesBothLearnedCounts) {
  auto d = Open();
  Find<QSpinBox>(*d, "UpDownCommonStatusChanger")->setValue(5);
  EXPECT_TRUE(Enabled(*d, "btApply"));
  Find<QPushButton>(*d, "btApply")->click();
  EXPECT_FALSE(Enabled(*d, "btApply"));
  EXPECT_TRUE(d->NeedsNewExamination());
  EXPECT_EQ(Info().NTK, 5);
  EXPECT_EQ(Info().UTK, 5);
  // The dictionary learns by the new threshold at once.
  EXPECT_EQ(Dict->NTK, 5);
  EXPECT_EQ(Dict->UTK, 5);
  d->reject();
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(DictOptTest, AuthorIsCutTo255BytesOnACharacterBoundary) {
  struct Case {
    const char* Name;
    std::string Typed;
    std::string Stored;
  };
  std::string cyrillic;
  for (int i = 0; i < 150; ++i) cyrillic += "\xD0\xB6";  // 300 bytes of two-byte letters
  const Case cases[] = {
      {"300 letters", std::string(300, 'x'), std::string(255, 'x')},
      {"two-byte letter across the end", std::string(254, 'x') + "\xC3\xA9yz", std::string(254, 'x')},
      {"two-byte letters only", cyrillic, cyrillic.substr(0, 254)},
      {"exactly 255", std::string(255, 'a'), std::string(255, 'a')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto d = Open();
    Find<QLineEdit>(*d, "edAuthor")->setText(QString::fromStdString(c.Typed));
    d->btApplyClick();
    EXPECT_EQ(Info().Author, c.Stored);
  }
}

TEST_F(DictOptTest, ClosingWithTypedTextAsksAndAppliesOnlyOnOk) {
  for (TDialogButton answer : {dbCancel, dbOk}) {
    SCOPED_TRACE(answer);
    Prompts.Shown.clear();
    Prompts.Answers = {answer};
    SetInfo("Birds of the coast", "Ann", "", 4, 4);
    auto d = Open();
    QTest::keyClicks(Find<QLineEdit>(*d, "edAuthor"), " Lee");
    Find<QCheckBox>(*d, "cbExportComment")->setChecked(answer == dbCancel);
    d->reject();
    ASSERT_EQ(Prompts.Texts(), std::vector<std::string>{"Would you like to apply changes?"});
    EXPECT_EQ(Prompts.Shown[0].Kind, dkConfirmation);
    EXPECT_EQ(Prompts.Shown[0].Buttons, unsigned(dbOk | dbCancel));
    EXPECT_EQ(Info().Author, answer == dbOk ? "Ann Lee" : "Ann");
    EXPECT_EQ(d->NeedsNewExamination(), answer == dbOk);
    d.reset();
    // The export options go to Settings either way.
    EXPECT_EQ(Settings.ExportComment, answer == dbCancel);
  }
}

TEST_F(DictOptTest, EveryTextAndTheThresholdEnableApply) {
  const std::function<void(TFormDictOpt&)> edits[] = {
      [](TFormDictOpt& d) { Find<QPlainTextEdit>(d, "MemoDescription")->appendPlainText("x"); },
      [](TFormDictOpt& d) { Find<QLineEdit>(d, "edAuthor")->setText("Bo"); },
      [](TFormDictOpt& d) { Find<QPlainTextEdit>(d, "MemoComment")->setPlainText("new"); },
      [](TFormDictOpt& d) { Find<QSpinBox>(d, "UpDownCommonStatusChanger")->stepUp(); },
  };
  for (const auto& edit : edits) {
    auto d = Open();
    EXPECT_FALSE(Enabled(*d, "btApply"));
    edit(*d);
    EXPECT_TRUE(Enabled(*d, "btApply"));
  }
  auto d = Open();
  for (const char* box : {"cbExportComment", "cbExportStat", "cbShowExportFile", "cbExportBack", "cbImportComment",
                          "cbImportStat", "cbImportReplace"})
    Find<QCheckBox>(*d, box)->click();
  Find<QLineEdit>(*d, "edExportFName")->setText("other.txt");
  EXPECT_FALSE(Enabled(*d, "btApply"));
}

TEST_F(DictOptTest, ApplyWritesTheTextsAsTyped) {
  auto d = Open();
  Find<QPlainTextEdit>(*d, "MemoDescription")->setPlainText("Sea birds\nand waders");
  Find<QLineEdit>(*d, "edAuthor")->setText("Åsa");
  Find<QPlainTextEdit>(*d, "MemoComment")->setPlainText("");
  d->btApplyClick();
  EXPECT_EQ(Info().Description, "Sea birds\nand waders");
  EXPECT_EQ(Info().Author, "\xC3\x85sa");
  EXPECT_EQ(Info().Comment, "");
  EXPECT_EQ(Info().NTK, 4);
  EXPECT_EQ(Info().UTK, 4);
}

TEST_F(DictOptTest, ClearStatisticsIsOfferedOnlyWhenThereIsSomethingToClear) {
  {
    auto d = Open();
    EXPECT_EQ(Bars(*d), Expected(20, 20, 0, 0, 0));
    EXPECT_FALSE(Enabled(*d, "btClearStat"));
  }
  Dict->RecordRight(Q(1));
  Dict->RecordWrong(Q(2));
  Dict->RecordWrong(Q(3));
  auto d = Open();
  EXPECT_EQ(Bars(*d), Expected(20, 17, 1, 0, 2));
  ASSERT_TRUE(Enabled(*d, "btClearStat"));
  Find<QPushButton>(*d, "btClearStat")->click();
  EXPECT_TRUE(Prompts.Shown.empty());
  EXPECT_TRUE(d->NeedsNewExamination());
  EXPECT_EQ(Bars(*d), Expected(20, 20, 0, 0, 0));
  EXPECT_FALSE(Enabled(*d, "btClearStat"));
  EXPECT_EQ(Dict->CountByStatus(qsLearning), 0);
  // Clearing is no pending change: closing asks nothing and still restarts.
  EXPECT_FALSE(Enabled(*d, "btApply"));
  d->reject();
  EXPECT_TRUE(Prompts.Shown.empty());
  EXPECT_TRUE(d->NeedsNewExamination());
}

TEST_F(DictOptTest, ChartBarsHaveColoursOfTheirOwn) {
  auto d = Open();
  auto* chart = Find<TBarChart>(*d, "Chart1");
  ASSERT_EQ(chart->BarCount(), 5);
  QSet<QRgb> colours;
  for (int i = 0; i < 5; ++i) colours.insert(chart->BarColor(i).rgb());
  EXPECT_EQ(colours.size(), 5);
  EXPECT_EQ(chart->DepthPercent(), 20);
}

TEST_F(DictOptTest, ExportOptionsAreStoredWithoutAQuestion) {
  auto d = Open();
  Find<QTabWidget>(*d, "pc")->setCurrentIndex(2);
  Find<QLineEdit>(*d, "edExportFName")->setText("/home/u/words.txt");
  for (const char* box : {"cbExportComment", "cbExportStat", "cbShowExportFile", "cbExportBack", "cbImportComment",
                          "cbImportStat", "cbImportReplace"})
    Find<QCheckBox>(*d, box)->click();
  d->reject();
  EXPECT_TRUE(Prompts.Shown.empty());
  EXPECT_FALSE(d->NeedsNewExamination());
  d.reset();
  EXPECT_EQ(Settings.ExportFName, "/home/u/words.txt");
  EXPECT_TRUE(Settings.ExportComment);
  EXPECT_TRUE(Settings.ExportStat);
  EXPECT_TRUE(Settings.ShowExportFile);
  EXPECT_TRUE(Settings.ExportBack);
  EXPECT_TRUE(Settings.ImportComment);
  EXPECT_TRUE(Settings.ImportStat);
  EXPECT_TRUE(Settings.ImportReplace);
  EXPECT_EQ(Settings.ImportFName, "import.txt");
  EXPECT_EQ(Settings.DictOptPage, 2);
}

TEST_F(DictOptTest, ThePageIsRemembered) {
  {
    auto d = Open();
    EXPECT_EQ(Find<QTabWidget>(*d, "pc")->currentIndex(), 0);
    Find<QTabWidget>(*d, "pc")->setCurrentIndex(3);
    d->reject();
  }
  EXPECT_EQ(Settings.DictOptPage, 3);
  auto d = Open();
  auto* pc = Find<QTabWidget>(*d, "pc");
  EXPECT_EQ(pc->currentIndex(), 3);
  EXPECT_EQ(pc->tabText(3), "  &Import  ");
  EXPECT_EQ(pc->currentWidget()->objectName(), "tsImport");
}

TEST_F(DictOptTest, ShowingAMissingImportFileSaysSo) {
  Settings.ImportFName = Path("none.txt");
  auto d = Open();
  Find<QPushButton>(*d, "btShowImportFile")->click();
  EXPECT_EQ(Prompts.Texts(), std::vector<std::string>{"Can't find file \"" + Path("none.txt") + "\""});
  EXPECT_TRUE(Opener.Opened.empty());
  EXPECT_FALSE(d->NeedsNewExamination());

  Prompts.Shown.clear();
  WriteFile(Path("none.txt"), "q\r\na\r\n");
  d->btShowImportFileClick();
  EXPECT_TRUE(Prompts.Shown.empty());
  EXPECT_EQ(Opener.Opened, std::vector<std::string>{Path("none.txt")});
}

TEST_F(DictOptTest, ExportTakesTheBoxesAndShowsTheFileOnlyWhenAskedAndWritten) {
  struct Case {
    const char* Name;
    std::string File;
    bool Show;
    bool Written;
    bool Opened;
  };
  const Case cases[] = {{"shown", Path("out.txt"), true, true, true},
                        {"not asked", Path("out2.txt"), false, true, false},
                        {"failed", Path("no/such/folder/out.txt"), true, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Opener.Opened.clear();
    auto d = Open();
    Find<QLineEdit>(*d, "edExportFName")->setText(QString::fromStdString(c.File));
    Find<QCheckBox>(*d, "cbExportComment")->setChecked(true);
    Find<QCheckBox>(*d, "cbExportBack")->setChecked(true);
    Find<QCheckBox>(*d, "cbShowExportFile")->setChecked(c.Show);
    Find<QPushButton>(*d, "btDoExport")->click();
    EXPECT_EQ(Opener.Opened, c.Opened ? std::vector<std::string>{c.File} : std::vector<std::string>{});
    if (c.Written) {
      EXPECT_EQ(ReadFile(c.File).substr(0, 14), "a100\r\nq100\r\nc0");
    }
    EXPECT_FALSE(d->NeedsNewExamination());
    EXPECT_EQ(Find<QLineEdit>(*d, "edExportFName")->text().toStdString(), c.File);
  }
}

TEST_F(DictOptTest, ARelativeExportFileIsShownFromTheCurrentFolder) {
  const std::filesystem::path was = std::filesystem::current_path();
  std::filesystem::current_path(Dir);
  Settings.ExportFName = "export.txt";
  Settings.ShowExportFile = true;
  {
    auto d = Open();
    d->btDoExportClick();
  }
  std::filesystem::current_path(was);
  EXPECT_EQ(Opener.Opened, std::vector<std::string>{Path("export.txt")});
}

TEST_F(DictOptTest, BrowseAsksForTextFilesAndShowsTheChoice) {
  auto d = Open();
  auto* exportName = Find<QLineEdit>(*d, "edExportFName");
  auto* importName = Find<QLineEdit>(*d, "edImportFName");
  Files.Answer = "/home/u/out.txt";
  Find<QPushButton>(*d, "btSelectExportFName")->click();
  EXPECT_EQ(exportName->text(), "/home/u/out.txt");
  EXPECT_EQ(Files.SeenOptions & foFileMustExist, 0u);
  EXPECT_EQ(Files.SeenFilter, "Text files|*.txt|Any file|*.*");
  EXPECT_EQ(Files.SeenTitle, "");
  Files.Answer = "/home/u/in.txt";
  Find<QPushButton>(*d, "btSelectImportFName")->click();
  EXPECT_EQ(importName->text(), "/home/u/in.txt");
  EXPECT_NE(Files.SeenOptions & foFileMustExist, 0u);
  Files.Answer.clear();
  d->btSelectExportFNameClick();
  d->btSelectImportFNameClick();
  EXPECT_EQ(Files.Calls, 4);
  EXPECT_EQ(exportName->text(), "/home/u/out.txt");
  EXPECT_EQ(importName->text(), "/home/u/in.txt");
  EXPECT_FALSE(Enabled(*d, "btApply"));
}

TEST_F(DictOptTest, SuccessfulImportRefreshesChartAndDescriptionAndSetsTheChangedFlag) {
  std::string text;
  for (int i = 0; i < 16; ++i) text += "new" + std::to_string(i) + "\r\nanswer" + std::to_string(i) + "\r\n";
  WriteFile(Path("in.txt"), text);
  Settings.ImportFName = Path("in.txt");
  auto d = Open();
  Find<QLineEdit>(*d, "edAuthor")->setText("typed, never applied");
  Find<QPushButton>(*d, "btDoImport")->click();
  EXPECT_EQ(Prompts.Texts(), std::vector<std::string>{"Import successfully completed. 16 question(s) are imported."});
  EXPECT_TRUE(d->NeedsNewExamination());
  EXPECT_EQ(Bars(*d), Expected(36, 36, 0, 0, 0));
  EXPECT_EQ(Find<QLineEdit>(*d, "edAuthor")->text().toStdString(), "Ann");
  EXPECT_FALSE(Enabled(*d, "btApply"));
  Prompts.Shown.clear();
  d->reject();
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(DictOptTest, FailedImportChangesNothingInTheDialog) {
  Settings.ImportFName = Path("none.txt");
  auto d = Open();
  Find<QLineEdit>(*d, "edAuthor")->setText("typed");
  d->btDoImportClick();
  EXPECT_FALSE(Prompts.Shown.empty());  // the import's own message
  EXPECT_FALSE(d->NeedsNewExamination());
  EXPECT_EQ(Bars(*d), Expected(20, 20, 0, 0, 0));
  EXPECT_EQ(Find<QLineEdit>(*d, "edAuthor")->text(), "typed");
  EXPECT_TRUE(Enabled(*d, "btApply"));
  EXPECT_EQ(Find<QLineEdit>(*d, "edImportFName")->text().toStdString(), Path("none.txt"));
}

TEST_F(DictOptTest, EscapeAndTheCloseBoxAskToo) {
  for (bool escape : {true, false}) {
    SCOPED_TRACE(escape);
    Prompts.Shown.clear();
    auto d = Open();
    d->show();
    Find<QPlainTextEdit>(*d, "MemoComment")->setPlainText("changed");
    if (escape)
      QTest::keyClick(d.get(), Qt::Key_Escape);
    else
      d->close();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Prompts.Shown.size(), 1u);
    EXPECT_EQ(Info().Comment, "first\nsecond");
  }
}

TEST_F(DictOptTest, OpensInTheMiddleOfTheScreen) {
  auto d = Open();
  const QPoint middle = d->screen()->availableGeometry().center();
  EXPECT_LE((d->geometry().center() - middle).manhattanLength(), 2);
}

}  // namespace

#include "DictOpt_test.moc"
