#include "ui/PreViewDictFile.h"

#include <QAction>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dictionary/DictionaryFolder.h"
#include "platform/FileDialog.h"
#include "platform/Prompt.h"
#include "settings/CommandLine.h"
#include "settings/FileDialogs.h"
#include "settings/Folders.h"
#include "settings/Settings.h"
#include "ui/BrowseFolders.h"
#include "ui/DialogParts.h"
#include "ui/StringGrid.h"
#include "ui/WinColors.h"

namespace {

constexpr int ColName = 0;
constexpr int ColCount = 1;
constexpr int ColDescription = 2;
constexpr uint32_t SystemMenuColor = 0x80000004u;

QString Text(const std::string& S) { return QString::fromStdString(S); }

// Memos show lines broken by LF; files may hold CR LF.
QString MemoText(const std::string& S) { return Text(S).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// The Count column: right-aligned numbers, dots when they do not fit, navy on
// the menu colour outside the current row.
class TCountDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    QStyleOptionViewItem o = Option;
    initStyleOption(&o, Index);
    const QString text = o.text;
    o.text.clear();
    o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, Painter, o.widget);
    const auto* view = qobject_cast<const QTableWidget*>(o.widget);
    const bool current = view && view->currentRow() == Index.row();
    const QColor brush = current ? o.palette.color(QPalette::Highlight) : WinColor(SystemMenuColor);
    const QColor pen = current ? o.palette.color(QPalette::HighlightedText) : QColor(0, 0, 128);
    const QRect r = o.rect;
    const QString shown = TFormPreViewDictFile::CountCellText(text, o.fontMetrics, r.width());
    Painter->save();
    Painter->setClipRect(r);
    Painter->fillRect(r, brush);
    Painter->setPen(pen);
    Painter->setFont(o.font);
    const int w = o.fontMetrics.horizontalAdvance(shown);
    Painter->drawText(QPoint(r.right() + 1 - w - 3, r.top() + 2 + o.fontMetrics.ascent()), shown);
    Painter->restore();
  }
};

}  // namespace

QString TFormPreViewDictFile::CountCellText(const QString& Text, const QFontMetrics& Metrics, int Width) {
  if (Metrics.horizontalAdvance(Text) <= Width - 4) return Text;
  QString dots = QStringLiteral(".");
  while (Metrics.horizontalAdvance(dots) < Width - 8) dots += QLatin1Char('.');
  return dots;
}

TFormPreViewDictFile::TFormPreViewDictFile(QWidget* Owner, TFileDialog& Dialog)
    : QDialog(Owner, FixedDialogBorder),
      FDialog(Dialog) {
  setObjectName("FormPreViewDictFile");
  setWindowTitle("Change Dictonary");
  setFixedSize(502, 286);

  GroupBox1 = new QGroupBox("Select Lexidrill's Dictonary File", this);
  GroupBox1->setObjectName("GroupBox1");
  Label1 = NewLabel(GroupBox1, "Label1", "Destination path");
  edPath = new QLineEdit(GroupBox1);
  edPath->setObjectName("edPath");
  btBrowse = NewButton(GroupBox1, "btBrowse", "Browse...");

  Files = NewStringGrid(GroupBox1, "Files", {"Dictionary file name", "Count", "Description"}, {144, 48, 300}, 18);
  Files->setItemDelegateForColumn(ColCount, new TCountDelegate(Files));

  Label2 = NewLabel(GroupBox1, "Label2", "Description");
  MemoDesc = new QPlainTextEdit(GroupBox1);
  MemoDesc->setObjectName("MemoDesc");
  Label3 = NewLabel(GroupBox1, "Label3", "Author");
  edAuthor = new QLineEdit(GroupBox1);
  edAuthor->setObjectName("edAuthor");
  Label4 = NewLabel(GroupBox1, "Label4", "Comment");
  MemoComm = new QPlainTextEdit(GroupBox1);
  MemoComm->setObjectName("MemoComm");
  for (QPlainTextEdit* m : {MemoDesc, MemoComm}) {
    m->setReadOnly(true);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setFixedHeight(52);
  }
  edAuthor->setReadOnly(true);

  auto* group = new QGridLayout(GroupBox1);
  group->setContentsMargins(6, 4, 6, 6);
  group->setVerticalSpacing(2);
  auto* pathRow = new QHBoxLayout;
  pathRow->setSpacing(6);
  pathRow->addWidget(Label1);
  pathRow->addWidget(edPath, 1);
  pathRow->addWidget(btBrowse);
  group->addLayout(pathRow, 0, 0, 1, 3);
  group->addWidget(Files, 1, 0, 1, 3);
  group->setRowStretch(1, 1);
  group->addWidget(Label2, 2, 0);
  group->addWidget(Label3, 2, 1);
  group->addWidget(Label4, 2, 2);
  group->addWidget(MemoDesc, 3, 0);
  group->addWidget(edAuthor, 3, 1, Qt::AlignTop);
  group->addWidget(MemoComm, 3, 2);
  group->setColumnStretch(0, 3);
  group->setColumnStretch(1, 2);
  group->setColumnStretch(2, 3);

  btOk = NewButton(this, "btOk", "Ok");
  btCancel = NewButton(this, "btCancel", "Cancel");
  btRefresh = NewButton(this, "btRefresh", "Refresh");
  btRefresh->setVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 6);
  layout->setSpacing(4);
  layout->addWidget(GroupBox1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btRefresh);
  buttons->addStretch();
  buttons->addWidget(btOk);
  buttons->addWidget(btCancel);
  layout->addLayout(buttons);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  Browse1 = PopupMenu1->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), "Browse");
  Browse1->setObjectName("Browse1");
  Browse1->setShortcut(Qt::Key_F3);
  Refresh1 = PopupMenu1->addAction(style()->standardIcon(QStyle::SP_BrowserReload), "Refresh");
  Refresh1->setObjectName("Refresh1");
  Refresh1->setShortcut(Qt::Key_F5);
  Close1 = PopupMenu1->addAction("Close");
  Close1->setObjectName("Close1");
  Close1->setShortcut(Qt::Key_Escape);
  Close1->setVisible(false);
  addActions({Browse1, Refresh1, Close1});
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& At) { PopupMenu1->popup(mapToGlobal(At)); });

  connect(btBrowse, &QPushButton::clicked, this, &TFormPreViewDictFile::btBrowseClick);
  connect(btOk, &QPushButton::clicked, this, &TFormPreViewDictFile::btOkClick);
  connect(btCancel, &QPushButton::clicked, this, &TFormPreViewDictFile::btCancelClick);
  connect(btRefresh, &QPushButton::clicked, this, &TFormPreViewDictFile::btRefreshClick);
  connect(Browse1, &QAction::triggered, this, &TFormPreViewDictFile::btBrowseClick);
  connect(Refresh1, &QAction::triggered, this, &TFormPreViewDictFile::btRefreshClick);
  connect(Close1, &QAction::triggered, this, &TFormPreViewDictFile::btCancelClick);
  connect(Files, &QTableWidget::cellDoubleClicked, this, [this] { btOkClick(); });
  connect(Files, &QTableWidget::currentCellChanged, this, [this](int Row) { ShowDetails(Row + 1); });
  edPath->installEventFilter(this);

  std::string folder = ExtractFilePath(FDialog.FileName);
  if (folder.empty()) folder = ExtractFilePath(Settings.StartUpDict);
  if (folder.empty()) folder = Settings.InstallDir + "Dicts";
  edPath->setText(Text(folder));
  btRefreshClick();
}

bool TFormPreViewDictFile::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == edPath && Event->type() == QEvent::FocusOut) edPathExit();
  return QDialog::eventFilter(Watched, Event);
}

void TFormPreViewDictFile::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  FitColumns();  // the grid knows its final width only now
}

void TFormPreViewDictFile::btRefreshClick() {
  // The scan pumps events: leaving edPath again meanwhile must not start a second one.
  if (FScanning) return;
  const QScopedValueRollback scanning(FScanning, true);
  FFilesFound = false;
  FFolder = AddTrailingBackslash(edPath->text().toStdString());
  const std::vector<TDictFileEntry> found = ScanDictionaryFolder(FFolder);
  const int keep = Files->currentRow();
  FDetails.clear();
  FDetails.reserve(found.size() * 3);
  FNames.clear();
  Files->setUpdatesEnabled(false);
  Files->clearContents();
  Files->setRowCount(found.empty() ? 1 : static_cast<int>(found.size()));
  auto put = [this](int Row, int Col, const QString& S) { Files->setItem(Row, Col, new QTableWidgetItem(S)); };
  int row = 0;
  for (const TDictFileEntry& e : found) {
    FDetails.push_back(e.Description);
    FDetails.push_back(e.Author);
    FDetails.push_back(e.Comment);
    FNames.push_back(e.Name);
    put(row, ColName, Text(e.Name));
    put(row, ColCount, QString::number(e.WordsCount));
    put(row, ColDescription, Text(FirstDescriptionLine(e.Description)));
    ++row;
  }
  if (found.empty()) {
    put(0, ColName, QStringLiteral("No dictionary files"));
    put(0, ColCount, QString());
    put(0, ColDescription, QString());
  }
  FFilesFound = !found.empty();
  Files->setUpdatesEnabled(true);
  edPath->setModified(false);
  const int current = keep < 0 ? 0 : std::min(keep, Files->rowCount() - 1);
  {
    const QSignalBlocker quiet(Files);
    Files->setCurrentCell(current, Files->currentColumn() < 0 ? 0 : Files->currentColumn());
  }
  ShowDetails(current + 1);
  FitColumns();
}

void TFormPreViewDictFile::FitColumns() {
  const QFontMetrics cells(Files->font());
  const QFontMetrics header(Files->horizontalHeader()->font());
  const int columns = Files->columnCount();
  // Qt draws header and cell texts inside margins of its own; they come on top of the 4 pixels.
  QStyle* st = Files->style();
  const int headerMargins = 2 * st->pixelMetric(QStyle::PM_HeaderMargin, nullptr, Files);
  const int cellMargins = 2 * (st->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Files) + 1);
  int sum = 0;
  for (int c = 0; c < columns; ++c) {
    int w = header.horizontalAdvance(Files->horizontalHeaderItem(c)->text()) + headerMargins;
    for (int r = 0; r < Files->rowCount(); ++r)
      if (const QTableWidgetItem* i = Files->item(r, c)) w = std::max(w, cells.horizontalAdvance(i->text()) + cellMargins);
    w += 4;
    Files->setColumnWidth(c, w);
    sum += w;
  }
  // Widen the last column over the room left, as far as it is known.
  int room = Files->width() - 2 * Files->frameWidth();
  const int rowsHeight = Files->horizontalHeader()->sizeHint().height() + Files->rowCount() * 18;
  if (rowsHeight > Files->height() - 2 * Files->frameWidth())
    room -= Files->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Files);
  if (sum < room) Files->setColumnWidth(columns - 1, Files->columnWidth(columns - 1) + room - sum);
}

void TFormPreViewDictFile::edPathExit() {
  if (edPath->isModified()) btRefreshClick();
}

void TFormPreViewDictFile::btBrowseClick() {
  const std::string chosen = FolderPicker().PickFolder(this, edPath->text().toStdString());
  if (chosen.empty()) return;
  edPath->setText(Text(chosen));
  btRefreshClick();
}

void TFormPreViewDictFile::btOkClick() {
  if (!FFilesFound) {
    Prompt().Message("No dictionary file had selected");
    return;
  }
  // The name as the folder holds it: a name that is no UTF-8 would not survive the grid's text.
  const size_t row = static_cast<size_t>(std::clamp(Files->currentRow(), 0, static_cast<int>(FNames.size()) - 1));
  FDialog.FileName = FFolder + FNames[row];
  accept();
}

void TFormPreViewDictFile::btCancelClick() { reject(); }

void TFormPreViewDictFile::ShowDetails(int Row) {
  const size_t first = Row >= 1 ? static_cast<size_t>(Row) * 3 - 3 : FDetails.size();
  if (FFilesFound && first + 2 < FDetails.size()) {
    MemoDesc->setPlainText(MemoText(FDetails[first]));
    edAuthor->setText(Text(FDetails[first + 1]));
    MemoComm->setPlainText(MemoText(FDetails[first + 2]));
  } else {
    MemoDesc->clear();
    edAuthor->clear();
    MemoComm->clear();
  }
}

bool ChooseDictionaryFile(TFileDialog& Dialog, const TRunChooser& Run) {
  TFormPreViewDictFile form(nullptr, Dialog);
  auto show = [&] { return Run ? Run(form) : form.exec(); };
  int result = show();
  while (result != QDialog::Accepted && MustChooseDictionary) {
    Prompt().Message("Please specify one of the dictionaries");
    result = show();
  }
  MustChooseDictionary = false;
  return result == QDialog::Accepted;
}

void InstallDictionaryChooser() {
  SetChooseDictionaryFile([](TFileDialog& Dialog) { return ChooseDictionaryFile(Dialog); });
}
