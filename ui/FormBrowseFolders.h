#pragma once
// The small window that picks the folder the dictionary chooser lists: a
// list of mounted volumes and a folder tree. The chooser reaches it through
// TFolderPicker, so tests can answer without a window.

#include <QDialog>
#include <string>

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;

// Picks a folder starting at Start; empty when the user cancels.
class TFolderPicker {
 public:
  virtual ~TFolderPicker() = default;
  virtual std::string PickFolder(QWidget* Owner, const std::string& Start) = 0;
};

// The process-wide picker: TFormBrowseFolders unless one was installed.
TFolderPicker& FolderPicker();
// Installs p (not owned); nullptr puts the window back.
void SetFolderPicker(TFolderPicker* p);

class TFormBrowseFolders : public QDialog {
  Q_OBJECT

 public:
  explicit TFormBrowseFolders(QWidget* Owner);

  // Selects Folder in the tree; false (and nothing changes) when there is no
  // such folder.
  bool SetDirectory(const std::string& Folder);
  // As SetDirectory, falling back to the current folder.
  void StartAt(const std::string& Folder);
  // The selected folder.
  std::string Directory() const { return FDirectory; }

  QComboBox* DriveComboBox1 = nullptr;
  QTreeView* DLB = nullptr;
  QPushButton* btOk = nullptr;
  QPushButton* btCancel = nullptr;

 private:
  void DriveComboBox1Change();

  QFileSystemModel* FModel = nullptr;
  std::string FDirectory;
};
