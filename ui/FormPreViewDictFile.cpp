#include "ui/FormPreViewDictFile.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "dictionary/ProgressProcs.h"
#include "platform/Prompt.h"
#include "ui/DialogParts.h"
#include "ui/FormBrowseFolders.h"

namespace {

constexpr int CountColumn = 1;
constexpr int RowHeight = 18;

std::string AddTrailingBackslash(const std::string& Path) {
  return !Path.empty() && Path.back() == '/' ? Path : Path + '/';
}

// The Count column: right-aligned, navy outside the current row, and a row
// of dots when the number does not fit.
class TCountDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    const auto* grid = qobject_cast<const QTableWidget*>(parent());
    const bool current = grid && grid->currentRow() == Index.row();
    const QPalette& pal = Option.palette;
    const QColor brush = current ? pal.color(QPalette::Highlight) : pal.color(QPalette::Window);
    const QColor ink = current ? pal.color(QPalette::HighlightedText) : QColor(0, 0, 128);
    const QFontMetrics fm(Option.font);
    const std::string text = FitCountText(Index.data().toString().toStdString(), Option.rect.width(),
                                          [&fm](const std::string& t) { return fm.horizontalAdvance(FromUtf8(t)); });
    const QString shown = FromUtf8(text);
    Painter->save();
    Painter->setClipRect(Option.rect);
    Painter->fillRect(Option.rect, brush);
    Painter->setPen(ink);
    Painter->setFont(Option.font);
    const int left = Option.rect.right() + 1 - fm.horizontalAdvance(shown) - 3;
    Painter->drawText(left, Option.rect.top() + 2 + fm.ascent(), shown);
    Painter->restore();
  }
};

QPlainTextEdit* NewMemo(const char* Name, QWidget* Parent, const QRect& Where) {
  auto* m = new QPlainTextEdit(Parent);
  m->setObjectName(Name);
  m->setReadOnly(true);
  m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m->setGeometry(Where);
  return m;
}

QAction* NewAction(QMenu* Menu, const char* Name, const QString& Text, const QKeySequence& Key) {
  QAction* a = Menu->addAction(Text);
  a->setObjectName(Name);
  a->setShortcut(Key);
  return a;
}

}  // namespace

TFormPreViewDictFile::TFormPreViewDictFile(QWidget* Owner, const std::string& StartFolder) : QDialog(Owner) {
  SetUpFixedDialog(this, "FormPreViewDictFile", "Change Dictonary", 502, 286);

  GroupBox1 = new QGroupBox("Select Lexidrill's Dictonary File", this);
  GroupBox1->setObjectName("GroupBox1");
  GroupBox1->setGeometry(4, 2, 494, 248);
  Label1 = NewLabel("Label1", "Destination path", GroupBox1, {8, 18, 200, 16});
  edPath = new QLineEdit(GroupBox1);
  edPath->setObjectName("edPath");
  edPath->setGeometry(8, 34, 392, 24);
  btBrowse = NewButton("btBrowse", "Browse...", GroupBox1, {406, 34, 80, 24});

  Files = new QTableWidget(0, 3, GroupBox1);
  SetUpRowGrid(Files, "Files", {"Dictionary file name", "Count", "Description"}, RowHeight);
  Files->setGeometry(8, 62, 478, 104);
  Files->setColumnWidth(0, 144);
  Files->setColumnWidth(1, 48);
  Files->setColumnWidth(2, 300);
  Files->setItemDelegateForColumn(CountColumn, new TCountDelegate(Files));

  Label2 = NewLabel("Label2", "Description", GroupBox1, {8, 168, 200, 16});
  MemoDesc = NewMemo("MemoDesc", GroupBox1, {8, 184, 238, 56});
  Label3 = NewLabel("Label3", "Author", GroupBox1, {254, 170, 50, 16});
  edAuthor = new QLineEdit(GroupBox1);
  edAuthor->setObjectName("edAuthor");
  edAuthor->setReadOnly(true);
  edAuthor->setGeometry(306, 168, 180, 22);
  Label4 = NewLabel("Label4", "Comment", GroupBox1, {254, 192, 200, 14});
  MemoComm = NewMemo("MemoComm", GroupBox1, {254, 206, 232, 34});

  btOk = NewButton("btOk", "Ok", this, {342, 256, 75, 25});
  btCancel = NewButton("btCancel", "Cancel", this, {423, 256, 75, 25});
  btRefresh = NewButton("btRefresh", "Refresh", this, {4, 256, 75, 25});
  btRefresh->hide();

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  Browse1 = NewAction(PopupMenu1, "Browse1", "Browse", Qt::Key_F3);
  Browse1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  Refresh1 = NewAction(PopupMenu1, "Refresh1", "Refresh", Qt::Key_F5);
  Refresh1->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  Close1 = NewAction(PopupMenu1, "Close1", "Close", Qt::Key_Escape);
  Close1->setVisible(false);  // Esc reaches the dialog's own reject
  addAction(Browse1);
  addAction(Refresh1);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { PopupMenu1->popup(mapToGlobal(at)); });

  connect(Browse1, &QAction::triggered, this, &TFormPreViewDictFile::btBrowseClick);
  connect(Refresh1, &QAction::triggered, this, &TFormPreViewDictFile::btRefreshClick);
  connect(Close1, &QAction::triggered, this, &TFormPreViewDictFile::btCancelClick);
  connect(btBrowse, &QPushButton::clicked, this, &TFormPreViewDictFile::btBrowseClick);
  connect(btRefresh, &QPushButton::clicked, this, &TFormPreViewDictFile::btRefreshClick);
  connect(btOk, &QPushButton::clicked, this, &TFormPreViewDictFile::btOkClick);
  connect(btCancel, &QPushButton::clicked, this, &TFormPreViewDictFile::btCancelClick);
  connect(edPath, &QLineEdit::editingFinished, this, &TFormPreViewDictFile::edPathExit);
  connect(Files, &QTableWidget::cellDoubleClicked, this, [this](int, int) { btOkClick(); });
  connect(Files, &QTableWidget::currentCellChanged, this, [this](int Row, int, int, int) {
    ShowDetails(Row + 1);
    Files->viewport()->update();  // the Count cell draws differently in the current row
  });

  edPath->setText(FromUtf8(StartFolder));
  btRefreshClick();
}

void TFormPreViewDictFile::btRefreshClick() {
  FFilesFound = false;
  TProgressProcs& progress = ProgressProcs();
  progress.BeginProgressKeepForms("Exploring folder", 1);
  progress.ProgressStep("Searching for files.", 0, 0, 0);
  FFolder = AddTrailingBackslash(edPath->text().toStdString());
  Details = ScanDictFolder(FFolder, [&progress](int Found) {
    return progress.ProgressText("Dictionary files founded: " + std::to_string(Found));
  });
  SortDictFiles(Details);
  FFilesFound = !Details.empty();

  Files->setRowCount(0);  // every scan replaces the rows completely
  if (FFilesFound) {
    Files->setRowCount(static_cast<int>(Details.size()));
    for (int r = 0; r < Files->rowCount(); ++r) {
      const TDictFileEntry& entry = Details[static_cast<size_t>(r)];
      Files->setItem(r, 0, new QTableWidgetItem(FromUtf8(entry.FileName)));
      Files->setItem(r, 1, new QTableWidgetItem(QString::number(entry.Info.WordsCount)));
      Files->setItem(r, 2, new QTableWidgetItem(FromUtf8(FirstDescriptionLine(entry.Info.Description))));
    }
  } else {
    Files->setRowCount(1);
    Files->setItem(0, 0, new QTableWidgetItem(NoDictionaryFilesText));
    Files->setItem(0, 1, new QTableWidgetItem());
    Files->setItem(0, 2, new QTableWidgetItem());
  }
  {
    const QSignalBlocker quiet(Files);
    Files->setCurrentCell(0, 0);
  }
  edPath->setModified(false);
  ShowDetails(Files->currentRow() + 1);
  FitColumns();
  progress.EndProgress();
}

void TFormPreViewDictFile::FitColumns() {
  const QFontMetrics cells(Files->font());
  const QFontMetrics header(Files->horizontalHeader()->font());
  const int columns = Files->columnCount();
  const int headerMargin = Files->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, Files);
  int sum = 0;
  for (int c = 0; c < columns; ++c) {
    // The header draws its own margins around the text.
    int width = header.horizontalAdvance(Files->horizontalHeaderItem(c)->text()) + 2 * headerMargin;
    for (int r = 0; r < Files->rowCount(); ++r)
      if (const QTableWidgetItem* item = Files->item(r, c)) width = std::max(width, cells.horizontalAdvance(item->text()));
    width += 4;
    Files->setColumnWidth(c, width);
    sum += width;
  }
  int room = Files->width() - 2 * Files->frameWidth();
  if ((Files->rowCount() + 1) * RowHeight + 2 > Files->height())
    room -= Files->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Files);
  if (sum + 2 < room) Files->setColumnWidth(columns - 1, Files->columnWidth(columns - 1) + room - sum - 2);
}

void TFormPreViewDictFile::edPathExit() {
  if (edPath->isModified()) btRefreshClick();
}

void TFormPreViewDictFile::btBrowseClick() {
  const std::string folder = FolderPicker().PickFolder(this, edPath->text().toStdString());
  if (folder.empty()) return;
  edPath->setText(FromUtf8(folder));
  btRefreshClick();
}

void TFormPreViewDictFile::ShowDetails(int Row) {
  if (FFilesFound && Row >= 1 && Row <= static_cast<int>(Details.size())) {
    const TDictInfo& info = Details[static_cast<size_t>(Row - 1)].Info;
    // The memos break lines at LF; the file keeps CR LF.
    MemoDesc->setPlainText(FromUtf8(info.Description).replace("\r\n", "\n"));
    edAuthor->setText(FromUtf8(info.Author));
    MemoComm->setPlainText(FromUtf8(info.Comment).replace("\r\n", "\n"));
  } else {
    MemoDesc->clear();
    edAuthor->clear();
    MemoComm->clear();
  }
}

void TFormPreViewDictFile::btOkClick() {
  const int row = Files->currentRow();
  if (!FFilesFound || row < 0 || row >= static_cast<int>(Details.size())) {
    Prompt().Message("No dictionary file had selected");
    return;
  }
  FFileName = FFolder + Details[static_cast<size_t>(row)].FileName;
  accept();
}

void TFormPreViewDictFile::btCancelClick() { reject(); }

bool RunDictionaryChooser(std::string& FileName, const std::string& StartFolder, bool& MustChoose) {
  TFormPreViewDictFile form(nullptr, StartFolder);
  bool chosen = form.exec() == QDialog::Accepted;
  while (!chosen && MustChoose) {
    Prompt().Message("Please specify one of the dictionaries");
    chosen = form.exec() == QDialog::Accepted;
  }
  MustChoose = false;
  if (chosen) FileName = form.FileName();
  return chosen;
}
