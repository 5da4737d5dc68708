#include "ui/DictOpt.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "charting/BarChart.h"
#include "dictionary/Records.h"
#include "dictionary/SmartDict.h"
#include "platform/FileDialog.h"
#include "platform/Prompt.h"
#include "settings/FileDialogs.h"
#include "settings/Settings.h"
#include "ui/DialogParts.h"

namespace {

QString Text(const std::string& S) { return QString::fromStdString(S); }
std::string Bytes(const QString& S) { return S.toStdString(); }

// The platform's program for the file; a relative name is taken from the
// current folder, as the dictionary reads and writes it.
void OpenWithAssociatedProgram(const std::string& FileName) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(Text(FileName)).absoluteFilePath()));
}

QPlainTextEdit* NewMemo(QWidget* Parent, const char* Name) {
  auto* m = new QPlainTextEdit(Parent);
  m->setObjectName(Name);
  m->setTabChangesFocus(true);
  return m;
}

QLineEdit* NewEdit(QWidget* Parent, const char* Name, bool ReadOnly) {
  auto* e = new QLineEdit(Parent);
  e->setObjectName(Name);
  e->setReadOnly(ReadOnly);
  return e;
}

// A file name field with its Browse button beside it.
QHBoxLayout* FileRow(QLineEdit* Edit, QPushButton* Browse) {
  auto* row = new QHBoxLayout;
  row->addWidget(Edit, 1);
  row->addWidget(Browse);
  return row;
}

}  // namespace

TFormDictOpt::TFormDictOpt(QWidget* Owner, TSmartDict& Dict, TFileDialog& FileDialog)
    : QDialog(Owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      FDict(Dict),
      FFileDialog(FileDialog) {
  setObjectName("FormDictOpt");
  setWindowTitle("Dictionary Options");

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  pc = new QTabWidget(this);
  pc->setObjectName("pc");
  const struct {
    const char* Name;
    const char* Caption;
    void (TFormDictOpt::*Build)(QWidget*);
  } pages[] = {{"tsGeneral", "  &General  ", &TFormDictOpt::BuildGeneralPage},
               {"tsStatistic", "  &Statistic  ", &TFormDictOpt::BuildStatisticPage},
               {"tsExport", "  &Export  ", &TFormDictOpt::BuildExportPage},
               {"tsImport", "  &Import  ", &TFormDictOpt::BuildImportPage}};
  for (const auto& p : pages) {
    auto* page = new QWidget;
    page->setObjectName(p.Name);
    pc->addTab(page, p.Caption);
    (this->*p.Build)(page);
  }
  layout->addWidget(pc);

  auto* buttons = new QHBoxLayout;
  btApply = NewButton(this, "btApply", "Apply");
  btCancel = NewButton(this, "btCancel", "Close");
  buttons->addStretch();
  buttons->addWidget(btApply);
  buttons->addWidget(btCancel);
  layout->addLayout(buttons);
  connect(btApply, &QPushButton::clicked, this, &TFormDictOpt::btApplyClick);
  connect(btCancel, &QPushButton::clicked, this, &TFormDictOpt::reject);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  QAction* close = PopupMenu1->addAction("Close");
  close->setShortcut(Qt::Key_Escape);
  addAction(close);
  connect(close, &QAction::triggered, this, &TFormDictOpt::reject);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& At) { PopupMenu1->popup(mapToGlobal(At)); });

  edStartUpDict->setText(Text(Settings.StartUpDict));
  edExportFName->setText(Text(Settings.ExportFName));
  cbExportComment->setChecked(Settings.ExportComment);
  cbExportStat->setChecked(Settings.ExportStat);
  cbShowExportFile->setChecked(Settings.ShowExportFile);
  cbExportBack->setChecked(Settings.ExportBack);
  edImportFName->setText(Text(Settings.ImportFName));
  cbImportComment->setChecked(Settings.ImportComment);
  cbImportStat->setChecked(Settings.ImportStat);
  cbImportReplace->setChecked(Settings.ImportReplace);
  FillChart();
  LoadGeneralPage();
  // Loading the texts fired their change events.
  btApply->setEnabled(false);
  pc->setCurrentIndex(Settings.DictOptPage);
  CentreOnScreen(this);
}

TFormDictOpt::~TFormDictOpt() {
  Settings.DictOptPage = pc->currentIndex();
  Settings.ExportFName = Bytes(edExportFName->text());
  Settings.ImportFName = Bytes(edImportFName->text());
  Settings.ExportComment = cbExportComment->isChecked();
  Settings.ExportStat = cbExportStat->isChecked();
  Settings.ExportBack = cbExportBack->isChecked();
  Settings.ShowExportFile = cbShowExportFile->isChecked();
  Settings.ImportComment = cbImportComment->isChecked();
  Settings.ImportStat = cbImportStat->isChecked();
  Settings.ImportReplace = cbImportReplace->isChecked();
}

// ---------------------------------------------------------------- pages

void TFormDictOpt::BuildGeneralPage(QWidget* Page) {
  auto* page = new QVBoxLayout(Page);

  auto* location = new QGroupBox("Dictonary Location", Page);
  location->setObjectName("gbLocation");
  auto* l = new QVBoxLayout(location);
  edStartUpDict = NewEdit(location, "edStartUpDict", true);
  l->addWidget(edStartUpDict);
  page->addWidget(location);

  auto* description = new QGroupBox("Dictonary Description", Page);
  description->setObjectName("gbDescription");
  auto* d = new QGridLayout(description);
  MemoDescription = NewMemo(description, "MemoDescription");
  MemoDescription->setFixedHeight(64);
  d->addWidget(MemoDescription, 0, 0, 1, 2);
  edAuthor = NewEdit(description, "edAuthor", false);
  d->addWidget(NewLabel(description, "Label2", "Author Of Dictonary"), 1, 0);
  d->addWidget(edAuthor, 1, 1);
  MemoComment = NewMemo(description, "MemoComment");
  MemoComment->setFixedHeight(64);
  d->addWidget(NewLabel(description, "Label3", "Some Comments"), 2, 0, 1, 2);
  d->addWidget(MemoComment, 3, 0, 1, 2);
  auto* threshold = new QHBoxLayout;
  UpDownCommonStatusChanger =
      NewUpDown(description, "edCommonStatusChanger", "UpDownCommonStatusChanger", 1, 10, false);
  threshold->addWidget(
      NewLabel(description, "Label4", "The number of right answers to change Question's Status to Learned"));
  threshold->addStretch();
  threshold->addWidget(UpDownCommonStatusChanger);
  d->addLayout(threshold, 4, 0, 1, 2);
  d->setColumnStretch(1, 1);
  page->addWidget(description);
  page->addStretch();

  connect(MemoDescription, &QPlainTextEdit::textChanged, this, &TFormDictOpt::EnableApply);
  connect(edAuthor, &QLineEdit::textChanged, this, &TFormDictOpt::EnableApply);
  connect(MemoComment, &QPlainTextEdit::textChanged, this, &TFormDictOpt::EnableApply);
  connect(UpDownCommonStatusChanger, &QSpinBox::valueChanged, this, &TFormDictOpt::EnableApply);
}

void TFormDictOpt::BuildStatisticPage(QWidget* Page) {
  auto* page = new QVBoxLayout(Page);
  auto* group = new QGroupBox("Dictionary statistics", Page);
  group->setObjectName("gbStatistic");
  auto* g = new QVBoxLayout(group);
  Chart1 = new TBarChart(group);
  Chart1->setObjectName("Chart1");
  Chart1->SetDepthPercent(20);
  Chart1->setMinimumSize(440, 230);
  g->addWidget(Chart1, 1);
  auto* row = new QHBoxLayout;
  btClearStat = NewButton(group, "btClearStat", "Clear Dictonary Statistics");
  row->addStretch();
  row->addWidget(btClearStat);
  g->addLayout(row);
  page->addWidget(group);
  connect(btClearStat, &QPushButton::clicked, this, &TFormDictOpt::btClearStatClick);
}

void TFormDictOpt::BuildExportPage(QWidget* Page) {
  auto* page = new QVBoxLayout(Page);
  auto* group = new QGroupBox("Export Dictonary into Simple Text File", Page);
  auto* g = new QVBoxLayout(group);
  edExportFName = NewEdit(group, "edExportFName", false);
  btSelectExportFName = NewButton(group, "btSelectExportFName", "Browse...");
  g->addLayout(FileRow(edExportFName, btSelectExportFName));
  cbExportComment = NewCheckBox(group, "cbExportComment", "Include comments to couples \"question/answer\"");
  cbExportStat = NewCheckBox(group, "cbExportStat", "Include dictonary statistics");
  cbShowExportFile = NewCheckBox(group, "cbShowExportFile", "Show text file created after export process");
  cbExportBack = NewCheckBox(group, "cbExportBack", "Export in back order (Answer first, Question next)");
  for (QCheckBox* c : {cbExportComment, cbExportStat, cbShowExportFile, cbExportBack}) g->addWidget(c);
  auto* row = new QHBoxLayout;
  btDoExport = NewButton(group, "btDoExport", "Start Export");
  row->addStretch();
  row->addWidget(btDoExport);
  g->addStretch();
  g->addLayout(row);
  page->addWidget(group);
  connect(btSelectExportFName, &QPushButton::clicked, this, &TFormDictOpt::btSelectExportFNameClick);
  connect(btDoExport, &QPushButton::clicked, this, &TFormDictOpt::btDoExportClick);
}

void TFormDictOpt::BuildImportPage(QWidget* Page) {
  auto* page = new QVBoxLayout(Page);
  auto* group = new QGroupBox("Import from Simple Text File to Target Dictionary", Page);
  auto* g = new QVBoxLayout(group);
  edImportFName = NewEdit(group, "edImportFName", true);
  btSelectImportFName = NewButton(group, "btSelectImportFName", "Browse...");
  g->addLayout(FileRow(edImportFName, btSelectImportFName));
  cbImportComment =
      NewCheckBox(group, "cbImportComment", "Next line to couples \"question/answer\" include comments ");
  cbImportStat = NewCheckBox(group, "cbImportStat", "Include statistics");
  cbImportReplace = NewCheckBox(group, "cbImportReplace", "Clear target dictionary before import it");
  for (QCheckBox* c : {cbImportComment, cbImportStat, cbImportReplace}) g->addWidget(c);
  auto* row = new QHBoxLayout;
  btShowImportFile = NewButton(group, "btShowImportFile", "Show Imported Text File");
  btShowImportFile->setToolTip("Show Imported Text File");
  btDoImport = NewButton(group, "btDoImport", "Start Import");
  btDoImport->setToolTip("Start Import");
  row->addWidget(btShowImportFile);
  row->addStretch();
  row->addWidget(btDoImport);
  g->addStretch();
  g->addLayout(row);
  page->addWidget(group);
  connect(btSelectImportFName, &QPushButton::clicked, this, &TFormDictOpt::btSelectImportFNameClick);
  connect(btShowImportFile, &QPushButton::clicked, this, &TFormDictOpt::btShowImportFileClick);
  connect(btDoImport, &QPushButton::clicked, this, &TFormDictOpt::btDoImportClick);
}

// ---------------------------------------------------------------- general page and statistics

void TFormDictOpt::LoadGeneralPage() {
  TDictInfo info;
  FDict.GetInfo(info);
  MemoDescription->setPlainText(Text(info.Description));
  edAuthor->setText(Text(info.Author));
  MemoComment->setPlainText(Text(info.Comment));
  UpDownCommonStatusChanger->setValue(info.NTK);
}

void TFormDictOpt::EnableApply() { btApply->setEnabled(true); }

void TFormDictOpt::btApplyClick() {
  TDictInfo info;
  FDict.GetInfo(info);
  info.Description = Bytes(MemoDescription->toPlainText());
  info.Author = std::string(CutText(Bytes(edAuthor->text())));
  info.Comment = Bytes(MemoComment->toPlainText());
  info.NTK = UpDownCommonStatusChanger->value();
  info.UTK = info.NTK;
  FDict.SetInfo(info);
  btApply->setEnabled(false);
  FChanged = true;
}

void TFormDictOpt::FillChart() {
  TDictSummary s;
  FDict.GetSummary(s);
  Chart1->Clear();
  Chart1->AddBar("All questions", s.AllQuestions);
  Chart1->AddBar("New questions", s.NewQuestions);
  Chart1->AddBar("Showed already", s.ShowedAlready);
  Chart1->AddBar("Learned already", s.LearnedAlready);
  Chart1->AddBar("Unlearned yet", s.UnlearnedYet);
  btClearStat->setEnabled(s.AllQuestions != s.NewQuestions);
}

void TFormDictOpt::btClearStatClick() {
  FDict.ClearStatistics();
  FChanged = true;
  FillChart();
}

// ---------------------------------------------------------------- export and import

void TFormDictOpt::btSelectExportFNameClick() {
  if (ExecuteFileDialog(FFileDialog, fkText, false, "")) edExportFName->setText(Text(FFileDialog.FileName));
}

void TFormDictOpt::btDoExportClick() {
  const std::string name = Bytes(edExportFName->text());
  if (FDict.ExportToText(name, cbExportComment->isChecked(), cbExportStat->isChecked(), cbExportBack->isChecked()) &&
      cbShowExportFile->isChecked())
    OpenWithAssociatedProgram(name);
}

void TFormDictOpt::btSelectImportFNameClick() {
  if (ExecuteFileDialog(FFileDialog, fkText, true, "")) edImportFName->setText(Text(FFileDialog.FileName));
}

void TFormDictOpt::btShowImportFileClick() {
  const std::string name = Bytes(edImportFName->text());
  if (QFileInfo::exists(edImportFName->text()))
    OpenWithAssociatedProgram(name);
  else
    Prompt().Message("Can't find file \"" + name + "\"");
}

void TFormDictOpt::btDoImportClick() {
  if (!FDict.ImportFromText(Bytes(edImportFName->text()), cbImportComment->isChecked(), cbImportStat->isChecked(),
                            cbImportReplace->isChecked()))
    return;
  FChanged = true;
  FillChart();
  LoadGeneralPage();
  btApply->setEnabled(false);
}

// ---------------------------------------------------------------- closing

void TFormDictOpt::reject() {
  if (btApply->isEnabled() && AskApplyChanges()) btApplyClick();
  QDialog::reject();
}

bool ExecuteDictOptions(QWidget* Owner, TSmartDict& Dict, TFileDialog& FileDialog) {
  TFormDictOpt dialog(Owner, Dict, FileDialog);
  dialog.exec();
  return dialog.NeedsNewExamination();
}
