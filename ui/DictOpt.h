#pragma once
// "Dictionary Options" for the open dictionary: where it lives, its
// description, author, comment and learning threshold, its statistics chart
// with the clearing of the statistics, and text export and import.
//
// The description fields change the dictionary only on Apply (directly or
// through the question on closing). The export and import options are stored
// in Settings whenever the dialog goes away, applied or not. NeedsNewExamination
// tells the opener that the dictionary changed (Apply, cleared statistics or
// a successful import); it never goes back to false.
//
// Opening a text file with its program goes through QDesktopServices::openUrl,
// so a URL handler for "file" takes its place in tests.

#include <QDialog>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TBarChart;
class TFileDialog;
class TSmartDict;

class TFormDictOpt : public QDialog {
  Q_OBJECT
 public:
  // The dictionary and the file dialog are the owner's; neither is owned.
  TFormDictOpt(QWidget* Owner, TSmartDict& Dict, TFileDialog& FileDialog);
  ~TFormDictOpt() override;

  bool NeedsNewExamination() const { return FChanged; }

  // ---- handlers, public so tests drive them as a user would
  void btApplyClick();
  void btClearStatClick();
  void btSelectExportFNameClick();
  void btDoExportClick();
  void btSelectImportFNameClick();
  void btShowImportFileClick();
  void btDoImportClick();

 public slots:
  // Close, Esc and the close box: asks to apply pending changes.
  void reject() override;

 private:
  void BuildGeneralPage(QWidget* Page);
  void BuildStatisticPage(QWidget* Page);
  void BuildExportPage(QWidget* Page);
  void BuildImportPage(QWidget* Page);
  void FillChart();
  void LoadGeneralPage();
  void EnableApply();

  TSmartDict& FDict;
  TFileDialog& FFileDialog;
  bool FChanged = false;

  QTabWidget* pc = nullptr;
  QPushButton* btApply = nullptr;
  QPushButton* btCancel = nullptr;
  QMenu* PopupMenu1 = nullptr;

  QLineEdit* edStartUpDict = nullptr;
  QPlainTextEdit* MemoDescription = nullptr;
  QLineEdit* edAuthor = nullptr;
  QPlainTextEdit* MemoComment = nullptr;
  QSpinBox* UpDownCommonStatusChanger = nullptr;

  TBarChart* Chart1 = nullptr;
  QPushButton* btClearStat = nullptr;

  QLineEdit* edExportFName = nullptr;
  QPushButton* btSelectExportFName = nullptr;
  QCheckBox* cbExportComment = nullptr;
  QCheckBox* cbExportStat = nullptr;
  QCheckBox* cbShowExportFile = nullptr;
  QCheckBox* cbExportBack = nullptr;
  QPushButton* btDoExport = nullptr;

  QLineEdit* edImportFName = nullptr;
  QPushButton* btSelectImportFName = nullptr;
  QCheckBox* cbImportComment = nullptr;
  QCheckBox* cbImportStat = nullptr;
  QCheckBox* cbImportReplace = nullptr;
  QPushButton* btShowImportFile = nullptr;
  QPushButton* btDoImport = nullptr;
};

// The dictionary options command of the main window: runs the dialog
// modally and tells whether a new examination must start.
bool ExecuteDictOptions(QWidget* Owner, TSmartDict& Dict, TFileDialog& FileDialog);
