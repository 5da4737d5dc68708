#pragma once
// The dictionary chooser shown instead of a plain open-file dialog: it lists
// the dictionary files of one folder with their question counts and first
// description lines, and shows the description, author and comment of the
// selected file. Only each file's parameters block is read.

#include <QDialog>
#include <string>
#include <vector>

#include "dictionary/DictFileScan.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class TFormPreViewDictFile : public QDialog {
  Q_OBJECT

 public:
  // Lists StartFolder at once.
  TFormPreViewDictFile(QWidget* Owner, const std::string& StartFolder);

  // The chosen file (folder + name) once the user pressed Ok.
  const std::string& FileName() const { return FFileName; }
  bool FilesFound() const { return FFilesFound; }
  const std::string& Folder() const { return FFolder; }

  void btRefreshClick();
  void btBrowseClick();
  void btOkClick();
  void btCancelClick();
  void edPathExit();
  // Fills the three detail fields from grid row Row (1 = first file).
  void ShowDetails(int Row);

  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* edPath = nullptr;
  QPushButton* btBrowse = nullptr;
  QTableWidget* Files = nullptr;
  QLabel* Label2 = nullptr;
  QPlainTextEdit* MemoDesc = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* edAuthor = nullptr;
  QLabel* Label4 = nullptr;
  QPlainTextEdit* MemoComm = nullptr;
  QPushButton* btOk = nullptr;
  QPushButton* btCancel = nullptr;
  QPushButton* btRefresh = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* Browse1 = nullptr;
  QAction* Refresh1 = nullptr;
  QAction* Close1 = nullptr;

 private:
  void FitColumns();

  std::string FFileName;
  bool FFilesFound = false;
  std::string FFolder;
  std::vector<TDictFileEntry> Details;  // one per grid row, in row order
};

// Runs the chooser on StartFolder. While the user cancels and MustChoose is
// set, tells them to choose and shows it again; MustChoose is cleared
// afterwards. On a choice FileName := the chosen file (folder + name).
bool RunDictionaryChooser(std::string& FileName, const std::string& StartFolder, bool& MustChoose);
