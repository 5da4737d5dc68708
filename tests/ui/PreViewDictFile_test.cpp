#include "ui/PreViewDictFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>

#include "DictWindowsFixture.h"
#include "dictionary/DictionaryFolder.h"
#include "platform/FileDialog.h"
#include "engine/ByteStream.h"
#include "settings/CommandLine.h"
#include "settings/FileDialogs.h"
#include "settings/Settings.h"
#include "ui/BrowseFolders.h"

namespace {

class TFakeDialog final : public TFileDialog {
 public:
  bool Execute() override {
    ++Calls;
    return false;
  }
  int Calls = 0;
};

class TFakeFolderPicker final : public TFolderPicker {
 public:
  TFakeFolderPicker() { SetFolderPicker(this); }
  ~TFakeFolderPicker() override { SetFolderPicker(nullptr); }
  std::string PickFolder(QWidget*, const std::string& Start) override {
    Starts.push_back(Start);
    return Answer;
  }
  std::string Answer;
  std::vector<std::string> Starts;
};

class ChooserTest : public DictWindowsTest {
 protected:
  void SetUp() override {
    DictWindowsTest::SetUp();
    Settings = TSettings();
    Settings.InstallDir = "/nonexistent/lexidrill/";
    MustChooseDictionary = false;
  }
  void TearDown() override {
    MustChooseDictionary = false;
    DictWindowsTest::TearDown();
  }

  std::unique_ptr<TFormPreViewDictFile> Open(const std::string& FolderPath) {
    Dialog.FileName = FolderPath + "whatever.lxd";
    return std::make_unique<TFormPreViewDictFile>(nullptr, Dialog);
  }
  static std::vector<std::string> Column(TFormPreViewDictFile& F, int Col) {
    std::vector<std::string> c;
    for (int r = 0; r < F.Files->rowCount(); ++r) c.push_back(F.Files->item(r, Col)->text().toStdString());
    return c;
  }
  std::string Described(const std::string& Name, const std::string& Description, int Questions = 2) {
    return MakeFile(Name, Numbered(Questions), [&](TSmartDict& d) {
      TDictInfo info;
      d.GetInfo(info);
      info.Description = Description;
      info.Author = "Author of " + Name;
      info.Comment = "Comment of " + Name;
      d.SetInfo(info);
    });
  }
  static void Write(const std::string& File, const std::string& Bytes) {
    std::ofstream(File, std::ios::binary | std::ios::trunc) << Bytes;
  }
  static void Leave(QLineEdit* Edit) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Edit, &out);
  }
  static void Type(QLineEdit* Edit, const std::string& Text) {
    Edit->selectAll();
    QTest::keyClicks(Edit, QString::fromStdString(Text));
  }

  TFakeDialog Dialog;
  TFakePrompt Prompts;
};

TEST_F(ChooserTest, ListsDictionariesSortedByNameIgnoringCaseWithCountsAndDetails) {
  Described("b.lxd", "Bee", 3);
  Described("A.lxd", "Ay", 17);
  Described("c.lxd", "Sea", 5);
  Write(Path("notes.txt"), "not listed");
  std::filesystem::create_directory(Path("folder.lxd"));
  auto f = Open(Folder());
  EXPECT_TRUE(f->FilesFound());
  EXPECT_EQ(f->Folder(), Folder());
  EXPECT_EQ(Column(*f, 0), (std::vector<std::string>{"A.lxd", "b.lxd", "c.lxd"}));
  EXPECT_EQ(Column(*f, 1), (std::vector<std::string>{"17", "3", "5"}));
  EXPECT_EQ(Column(*f, 2), (std::vector<std::string>{"Ay", "Bee", "Sea"}));
  EXPECT_EQ(f->Details(), (std::vector<std::string>{"Ay", "Author of A.lxd", "Comment of A.lxd", "Bee", "Author of b.lxd",
                                                    "Comment of b.lxd", "Sea", "Author of c.lxd", "Comment of c.lxd"}));
  EXPECT_EQ(f->Files->horizontalHeaderItem(0)->text(), "Dictionary file name");
  EXPECT_EQ(f->Files->horizontalHeaderItem(1)->text(), "Count");
  EXPECT_EQ(f->Files->horizontalHeaderItem(2)->text(), "Description");
  EXPECT_EQ(f->MemoDesc->toPlainText(), "Ay");

  f->Files->setCurrentCell(1, 0);
  EXPECT_EQ(f->MemoDesc->toPlainText(), "Bee");
  EXPECT_EQ(f->edAuthor->text(), "Author of b.lxd");
  EXPECT_EQ(f->MemoComm->toPlainText(), "Comment of b.lxd");
  QTest::mouseClick(f->btOk, Qt::LeftButton);
  EXPECT_EQ(f->result(), QDialog::Accepted);
  EXPECT_EQ(Dialog.FileName, Folder() + "b.lxd");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(ChooserTest, OkGivesTheFileNameAsTheFolderHoldsIt) {
  const std::string name = "caf\xe9.lxd";  // Latin-1, no UTF-8
  Described(name, "Odd name");
  auto f = Open(Folder());
  ASSERT_TRUE(f->FilesFound());
  f->btOkClick();
  EXPECT_EQ(Dialog.FileName, Folder() + name);
  EXPECT_TRUE(std::filesystem::exists(Dialog.FileName));
}

TEST_F(ChooserTest, MultiLineDescriptionShowsItsFirstLineInTheGridAndAllInTheMemo) {
  for (const std::string breakText : {"\r\n", "\n"}) {
    SCOPED_TRACE(breakText.size());
    Described("two.lxd", "First line" + breakText + "second line");
    auto f = Open(Folder());
    EXPECT_EQ(Column(*f, 2), std::vector<std::string>{"First line ... "});
    EXPECT_EQ(f->MemoDesc->toPlainText(), "First line\nsecond line");
  }
}

TEST_F(ChooserTest, ParametersBlockOfMoreThan250EntriesReadsAsEmpty) {
  for (int entries : {250, 251}) {
    SCOPED_TRACE(entries);
    const std::string file = MakeFile("big.lxd", Numbered(4), [&](TSmartDict& d) {
      TDictInfo info;
      info.Description = "Big";
      d.SetInfo(info);
      const int target = entries - (d.Params.ReadInteger("WORDSCOUNT", -1) < 0 ? 1 : 0);
      for (int i = 0; d.Params.EntryCount() < target; ++i) d.Params.WriteValue("EXTRA" + std::to_string(i), "x");
    });
    {
      auto in = TFileStream::Open(file, fmRead);
      TParametersBox box;
      ASSERT_TRUE(box.ReadFrom(*in, false));
      ASSERT_EQ(box.EntryCount(), entries);
    }
    auto f = Open(Folder());
    EXPECT_EQ(Column(*f, 0), std::vector<std::string>{"big.lxd"});
    EXPECT_EQ(Column(*f, 1), std::vector<std::string>{entries == 250 ? "4" : "0"});
    EXPECT_EQ(Column(*f, 2), std::vector<std::string>{entries == 250 ? "Big" : ""});
    EXPECT_TRUE(f->FilesFound());
  }
}

TEST_F(ChooserTest, UnreadableFilesAreListedEmptyWithCountZero) {
  const std::string good = Described("good.lxd", "Fine", 20);
  Write(Path("garbage.lxd"), "this is no dictionary at all");
  Write(Path("empty.LXD"), "");
  std::string bytes;
  {
    std::ifstream in(good, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  Write(Path("cut.lxd"), bytes.substr(0, 40));
  auto f = Open(Folder());
  EXPECT_EQ(Column(*f, 0), (std::vector<std::string>{"cut.lxd", "empty.LXD", "garbage.lxd", "good.lxd"}));
  EXPECT_EQ(Column(*f, 1), (std::vector<std::string>{"0", "0", "0", "20"}));
  EXPECT_EQ(Column(*f, 2), (std::vector<std::string>{"", "", "", "Fine"}));
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(ChooserTest, FolderWithoutDictionariesShowsOneRowAndRefusesOk) {
  for (const std::string& folder : {Folder(), Folder() + "missing/"}) {
    SCOPED_TRACE(folder);
    Prompts.Shown.clear();
    auto f = Open(folder);
    EXPECT_FALSE(f->FilesFound());
    ASSERT_EQ(f->Files->rowCount(), 1);
    EXPECT_EQ(Column(*f, 0), std::vector<std::string>{"No dictionary files"});
    EXPECT_EQ(Column(*f, 1), std::vector<std::string>{""});
    EXPECT_TRUE(f->MemoDesc->toPlainText().isEmpty());
    Dialog.FileName = "unchanged";
    QTest::mouseClick(f->btOk, Qt::LeftButton);
    f->show();
    const QRect cell = f->Files->visualItemRect(f->Files->item(0, 0));
    QTest::mouseClick(f->Files->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(f->Files->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(Prompts.Texts(), (std::vector<std::string>(2, "No dictionary file had selected")));
    EXPECT_NE(f->result(), QDialog::Accepted);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(Dialog.FileName, "unchanged");
  }
}

TEST_F(ChooserTest, LeavingAChangedPathRescansAndLeavingItUnchangedDoesNot) {
  std::filesystem::create_directories(Path("one"));
  std::filesystem::create_directories(Path("two"));
  Described("one/first.lxd", "1");
  Described("two/second.lxd", "2");
  auto f = Open(Folder() + "one/");
  EXPECT_EQ(Column(*f, 0), std::vector<std::string>{"first.lxd"});
  Type(f->edPath, Path("two"));
  Leave(f->edPath);
  EXPECT_EQ(Column(*f, 0), std::vector<std::string>{"second.lxd"});
  EXPECT_EQ(f->Folder(), Path("two") + "/");

  Described("two/third.lxd", "3");
  Leave(f->edPath);
  EXPECT_EQ(Column(*f, 0), std::vector<std::string>{"second.lxd"});
  f->Refresh1->trigger();  // F5
  EXPECT_EQ(Column(*f, 0), (std::vector<std::string>{"second.lxd", "third.lxd"}));
}

TEST_F(ChooserTest, KeysOfThePopupMenu) {
  auto f = Open(Folder());
  EXPECT_EQ(f->Browse1->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(f->Refresh1->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(f->Close1->shortcut(), QKeySequence(Qt::Key_Escape));
  EXPECT_FALSE(f->Close1->isVisible());
  EXPECT_FALSE(f->btRefresh->isVisible());
  f->show();
  QTest::keyClick(f.get(), Qt::Key_Escape);
  EXPECT_EQ(f->result(), QDialog::Rejected);
  EXPECT_FALSE(f->isVisible());
}

TEST_F(ChooserTest, BrowseTakesThePickedFolderAndCancelKeepsThePath) {
  std::filesystem::create_directories(Path("other"));
  Described("other/o.lxd", "O");
  Described("here.lxd", "H");
  TFakeFolderPicker picker;
  auto f = Open(Folder());
  f->btBrowseClick();
  EXPECT_EQ(picker.Starts, std::vector<std::string>{Folder()});
  EXPECT_EQ(Column(*f, 0), std::vector<std::string>{"here.lxd"});
  picker.Answer = Path("other");
  f->Browse1->trigger();  // F3
  EXPECT_EQ(f->edPath->text().toStdString(), Path("other"));
  EXPECT_EQ(Column(*f, 0), std::vector<std::string>{"o.lxd"});
}

TEST_F(ChooserTest, FirstFolderComesFromTheDialogThenStartUpDictThenTheInstallFolder) {
  Settings.StartUpDict = "/from/startup/dict.lxd";
  Dialog.FileName = "/from/dialog/file.lxd";
  EXPECT_EQ(TFormPreViewDictFile(nullptr, Dialog).edPath->text(), "/from/dialog/");
  Dialog.FileName = "file.lxd";
  EXPECT_EQ(TFormPreViewDictFile(nullptr, Dialog).edPath->text(), "/from/startup/");
  Settings.StartUpDict.clear();
  EXPECT_EQ(TFormPreViewDictFile(nullptr, Dialog).edPath->text(), "/nonexistent/lexidrill/Dicts");
}

TEST_F(ChooserTest, BreakingTheScanOffListsWhatWasFoundSorted) {
  for (const char* name : {"d.lxd", "c.lxd", "b.lxd", "a.lxd"}) Described(name, name);
  int texts = 0;
  std::vector<std::string> seen;
  ProgressProcs().ProgressText = [&](const std::string& T) {
    seen.push_back(T);
    return ++texts < 2;
  };
  auto f = Open(Folder());
  EXPECT_EQ(seen, (std::vector<std::string>{"Dictionary files founded: 1", "Dictionary files founded: 2"}));
  const auto names = Column(*f, 0);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_TRUE(NameLessUpper(names[0], names[1]));
}

TEST_F(ChooserTest, LeavingThePathDuringAScanStartsNoSecondScan) {
  Described("a.lxd", "A");
  Described("b.lxd", "B");
  auto f = Open(Folder());
  std::vector<std::string> seen;
  ProgressProcs().ProgressText = [&](const std::string& T) {
    seen.push_back(T);
    f->edPath->setModified(true);
    Leave(f->edPath);  // the progress window pumps events while the scan runs
    return true;
  };
  f->btRefreshClick();
  EXPECT_EQ(seen, (std::vector<std::string>{"Dictionary files founded: 1", "Dictionary files founded: 2"}));
  EXPECT_EQ(Column(*f, 0), (std::vector<std::string>{"a.lxd", "b.lxd"}));
}

TEST_F(ChooserTest, CancelWhileTheDictionaryMustBeChosenAsksAgain) {
  Described("x.lxd", "X");
  Described("y.lxd", "Y");
  Dialog.FileName = Folder();
  MustChooseDictionary = true;
  int shows = 0;
  const bool chosen = ChooseDictionaryFile(Dialog, [&](TFormPreViewDictFile& F) {
    if (++shows < 3) {
      F.btCancelClick();
    } else {
      F.Files->setCurrentCell(1, 0);
      F.btOkClick();
    }
    return F.result();
  });
  EXPECT_TRUE(chosen);
  EXPECT_EQ(shows, 3);
  EXPECT_EQ(Prompts.Texts(), (std::vector<std::string>(2, "Please specify one of the dictionaries")));
  EXPECT_FALSE(MustChooseDictionary);
  EXPECT_EQ(Dialog.FileName, Folder() + "y.lxd");
}

TEST_F(ChooserTest, CancelWithoutTheFlagChoosesNothing) {
  Described("x.lxd", "X");
  Dialog.FileName = Folder();
  int shows = 0;
  EXPECT_FALSE(ChooseDictionaryFile(Dialog, [&](TFormPreViewDictFile& F) {
    ++shows;
    F.btCancelClick();
    return F.result();
  }));
  EXPECT_EQ(shows, 1);
  EXPECT_TRUE(Prompts.Shown.empty());
  EXPECT_EQ(Dialog.FileName, Folder());
}

TEST_F(ChooserTest, FileDialogRoutineShowsTheChooserForExistingDictionaries) {
  InstallDictionaryChooser();
  Dialog.FileName = Folder();
  QTimer::singleShot(0, [] {
    auto* modal = qobject_cast<TFormPreViewDictFile*>(QApplication::activeModalWidget());
    ASSERT_NE(modal, nullptr);
    modal->btCancelClick();
  });
  EXPECT_FALSE(ExecuteFileDialog(Dialog, fkDictionary, true, ""));
  EXPECT_EQ(Dialog.Calls, 0);
  EXPECT_FALSE(ExecuteFileDialog(Dialog, fkDictionary, false, "Create New Dictonary"));
  EXPECT_EQ(Dialog.Calls, 1);
  SetChooseDictionaryFile(nullptr);
}

TEST(ChooserCount, NumbersTooWideForTheColumnBecomeDotsFillingIt) {
  const QFontMetrics m(QApplication::font());
  EXPECT_EQ(TFormPreViewDictFile::CountCellText("12", m, 48), "12");
  for (int width : {48, 20, 9, 3}) {
    SCOPED_TRACE(width);
    const QString wide = "123456789012";
    const QString shown = TFormPreViewDictFile::CountCellText(wide, m, width);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown, QString(shown.size(), '.'));
    EXPECT_GE(m.horizontalAdvance(shown), std::min(width - 8, m.horizontalAdvance(".")));
    if (shown.size() > 1) {
      EXPECT_LT(m.horizontalAdvance(shown.chopped(1)), width - 8);
    }
  }
}

TEST(BrowseFolders, StartsAtATypedFolderAndYieldsIt) {
  TFormBrowseFolders f(nullptr);
  EXPECT_EQ(f.windowTitle(), "Select Folder");
  const std::string here = std::filesystem::temp_directory_path().string();
  EXPECT_TRUE(f.SetDirectory(here));
  EXPECT_EQ(f.Directory(), QDir(QString::fromStdString(here)).absolutePath().toStdString());
  EXPECT_FALSE(f.SetDirectory("/no/such/folder/here"));
  EXPECT_EQ(f.Directory(), QDir(QString::fromStdString(here)).absolutePath().toStdString());
  f.show();
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_EQ(f.result(), QDialog::Rejected);
  f.show();
  QTest::mouseClick(f.btOk, Qt::LeftButton);
  EXPECT_EQ(f.result(), QDialog::Accepted);
}

}  // namespace
