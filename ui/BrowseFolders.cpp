#include "ui/BrowseFolders.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/DialogParts.h"

namespace {

class TFormFolderPicker final : public TFolderPicker {
 public:
  std::string PickFolder(QWidget* Owner, const std::string& Start) override {
    TFormBrowseFolders form(Owner);
    if (!form.SetDirectory(Start)) form.SetDirectory(QDir::currentPath().toStdString());
    return form.exec() == QDialog::Accepted ? form.Directory() : std::string();
  }
};

TFolderPicker*& CurrentPicker() {
  static TFolderPicker* picker = nullptr;
  return picker;
}

// The roots of the mounted file systems that are folders, "/" first.
QStringList VolumeRoots() {
  QStringList roots{QStringLiteral("/")};
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    const QString root = v.rootPath();
    if (v.isValid() && v.isReady() && QFileInfo(root).isDir() && !roots.contains(root)) roots << root;
  }
  std::sort(roots.begin() + 1, roots.end());
  return roots;
}

}  // namespace

TFolderPicker& FolderPicker() {
  static TFormFolderPicker form;
  TFolderPicker* p = CurrentPicker();
  return p ? *p : form;
}

void SetFolderPicker(TFolderPicker* Picker) { CurrentPicker() = Picker; }

TFormBrowseFolders::TFormBrowseFolders(QWidget* Owner)
    : QDialog(Owner, FixedDialogBorder) {
  setObjectName("FormBrowseFolders");
  setWindowTitle("Select Folder");
  setFixedSize(502, 286);

  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName("DriveComboBox1");
  DriveComboBox1->addItems(VolumeRoots());

  FModel = new QFileSystemModel(this);
  FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives | QDir::Hidden);
  FModel->setRootPath(QStringLiteral("/"));
  DLB = new QTreeView(this);
  DLB->setObjectName("DLB");
  DLB->setModel(FModel);
  for (int c = 1; c < FModel->columnCount(); ++c) DLB->hideColumn(c);
  DLB->header()->hide();
  DLB->setRootIndex(FModel->index(QStringLiteral("/")));

  btOk = NewButton(this, "btOk", "Ok");
  btCancel = NewButton(this, "btCancel", "Cancel");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(DriveComboBox1);
  layout->addWidget(DLB, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btOk);
  buttons->addWidget(btCancel);
  layout->addLayout(buttons);

  Close1 = new QAction("Close", this);
  Close1->setObjectName("Close1");
  Close1->setShortcut(Qt::Key_Escape);
  addAction(Close1);

  connect(btOk, &QPushButton::clicked, this, &TFormBrowseFolders::btOkClick);
  connect(btCancel, &QPushButton::clicked, this, &TFormBrowseFolders::btCancelClick);
  connect(Close1, &QAction::triggered, this, &TFormBrowseFolders::btCancelClick);
  connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TFormBrowseFolders::DriveComboBox1Change);
  // The folders are read in the background: keep the current one in sight as they arrive.
  connect(FModel, &QFileSystemModel::directoryLoaded, this,
          [this] { DLB->scrollTo(DLB->currentIndex(), QAbstractItemView::PositionAtCenter); });
  connect(DLB, &QTreeView::doubleClicked, this, [this] { btOkClick(); });
}

bool TFormBrowseFolders::SetDirectory(const std::string& Path) {
  const QString path = QString::fromStdString(Path);
  if (path.isEmpty() || !QFileInfo(path).isDir()) return false;
  const QString clean = QDir(path).absolutePath();
  FStart = clean.toStdString();
  const QModelIndex i = FModel->index(clean);
  if (i.isValid()) {
    for (QModelIndex up = i.parent(); up.isValid(); up = up.parent()) DLB->expand(up);
    DLB->setCurrentIndex(i);
    DLB->expand(i);
    DLB->scrollTo(i, QAbstractItemView::PositionAtCenter);
  }
  return true;
}

std::string TFormBrowseFolders::Directory() const {
  const QModelIndex i = DLB->currentIndex();
  if (i.isValid()) return FModel->filePath(i).toStdString();
  return FStart;
}

void TFormBrowseFolders::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  // A hidden view does not scroll: bring the current folder into sight once laid out.
  QTimer::singleShot(0, this, [this] { DLB->scrollTo(DLB->currentIndex(), QAbstractItemView::PositionAtCenter); });
}

void TFormBrowseFolders::btOkClick() { accept(); }

void TFormBrowseFolders::btCancelClick() { reject(); }

void TFormBrowseFolders::DriveComboBox1Change(int Index) {
  if (Index >= 0) SetDirectory(DriveComboBox1->itemText(Index).toStdString());
}
