#include "ui/FormBrowseFolders.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <set>

#include "ui/DialogParts.h"

namespace {

class TWindowFolderPicker final : public TFolderPicker {
 public:
  std::string PickFolder(QWidget* Owner, const std::string& Start) override {
    TFormBrowseFolders form(Owner);
    form.StartAt(Start);
    return form.exec() == QDialog::Accepted ? form.Directory() : std::string();
  }
};

TFolderPicker*& InstalledPicker() {
  static TFolderPicker* picker = nullptr;
  return picker;
}

}  // namespace

TFolderPicker& FolderPicker() {
  static TWindowFolderPicker window;
  TFolderPicker* p = InstalledPicker();
  return p ? *p : window;
}

void SetFolderPicker(TFolderPicker* p) { InstalledPicker() = p; }

TFormBrowseFolders::TFormBrowseFolders(QWidget* Owner) : QDialog(Owner) {
  SetUpFixedDialog(this, "FormBrowseFolders", "Select Folder", 502, 286);

  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName("DriveComboBox1");
  DriveComboBox1->setGeometry(8, 8, 486, 24);
  std::set<QString> roots{QDir::rootPath(), QDir::homePath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady()) roots.insert(volume.rootPath());
  for (const QString& root : roots) DriveComboBox1->addItem(root);

  FModel = new QFileSystemModel(this);
  FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
  FModel->setRootPath(QDir::rootPath());
  DLB = new QTreeView(this);
  DLB->setObjectName("DLB");
  DLB->setModel(FModel);
  for (int c = 1; c < FModel->columnCount(); ++c) DLB->hideColumn(c);
  DLB->header()->hide();
  DLB->setGeometry(8, 38, 486, 206);
  connect(DLB->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { FDirectory = FModel->filePath(current).toStdString(); });
  connect(DLB, &QTreeView::activated, this, [this](const QModelIndex& index) { DLB->expand(index); });

  btOk = NewButton("btOk", "Ok", this, {338, 254, 75, 25});
  connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
  btCancel = NewButton("btCancel", "Cancel", this, {419, 254, 75, 25});
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

  connect(DriveComboBox1, &QComboBox::activated, this, &TFormBrowseFolders::DriveComboBox1Change);
  StartAt(QDir::currentPath().toStdString());
}

bool TFormBrowseFolders::SetDirectory(const std::string& Folder) {
  const QFileInfo info(QString::fromStdString(Folder));
  if (Folder.empty() || !info.isDir()) return false;
  const QModelIndex index = FModel->index(info.absoluteFilePath());
  if (!index.isValid()) return false;
  DLB->setCurrentIndex(index);
  DLB->expand(index);
  DLB->scrollTo(index);
  FDirectory = FModel->filePath(index).toStdString();
  return true;
}

void TFormBrowseFolders::StartAt(const std::string& Folder) {
  if (!SetDirectory(Folder)) SetDirectory(QDir::currentPath().toStdString());
}

void TFormBrowseFolders::DriveComboBox1Change() { SetDirectory(DriveComboBox1->currentText().toStdString()); }
