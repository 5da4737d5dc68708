#pragma once
// The dictionary chooser: the dictionary files of one folder with their
// counts and first description lines, and the full description, author and
// comment of the selected one. It stands in for the file dialog when an
// existing dictionary is opened; the chosen file goes back into that dialog.

#include <QDialog>
#include <QFontMetrics>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TFileDialog;

class TFormPreViewDictFile : public QDialog {
  Q_OBJECT

 public:
  // Dialog is not owned; its file name gives the first folder and receives
  // the choice. Scans the first folder at once.
  TFormPreViewDictFile(QWidget* Owner, TFileDialog& Dialog);

  void btRefreshClick();
  void edPathExit();
  void btBrowseClick();
  void btOkClick();
  void btCancelClick();
  // Row counts from 1, as the grid's data rows do below its header.
  void ShowDetails(int Row);

  bool FilesFound() const { return FFilesFound; }
  const std::string& Folder() const { return FFolder; }
  // Three entries per listed row: description, author, comment.
  const std::vector<std::string>& Details() const { return FDetails; }

  // The Count column's text in a cell Width pixels wide: the number, or a
  // row of dots filling the cell when the number does not fit.
  static QString CountCellText(const QString& Text, const QFontMetrics& Metrics, int Width);

  QGroupBox* GroupBox1;
  QLabel* Label1;
  QLineEdit* edPath;
  QPushButton* btBrowse;
  QTableWidget* Files;
  QLabel* Label2;
  QPlainTextEdit* MemoDesc;
  QLabel* Label3;
  QLineEdit* edAuthor;
  QLabel* Label4;
  QPlainTextEdit* MemoComm;
  QPushButton* btOk;
  QPushButton* btCancel;
  QPushButton* btRefresh;
  QMenu* PopupMenu1;
  QAction* Browse1;
  QAction* Refresh1;
  QAction* Close1;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
  void FitColumns();

  TFileDialog& FDialog;
  bool FFilesFound = false;
  bool FScanning = false;
  std::string FFolder;
  std::vector<std::string> FDetails;
  std::vector<std::string> FNames;  // of the rows, as the file system gave them
};

// Shows the chooser until a file is chosen or (unless MustChooseDictionary
// is set) the user cancels; clears MustChooseDictionary. True when Dialog's
// file name holds the chosen file. Run shows the chooser modally and returns
// its result (tests answer it without a modal loop).
using TRunChooser = std::function<int(TFormPreViewDictFile& Form)>;
bool ChooseDictionaryFile(TFileDialog& Dialog, const TRunChooser& Run = {});

// Makes ExecuteFileDialog use the chooser for existing dictionaries.
void InstallDictionaryChooser();
