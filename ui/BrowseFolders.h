#pragma once
// The folder window of the dictionary chooser: a list of the mounted
// volumes (the "drives") above a tree of folders; Ok yields the folder of the
// tree's current item. Windows ask through FolderPicker(), which tests
// replace with a scripted one.

#include <QDialog>
#include <string>

class QAction;
class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;

class TFormBrowseFolders : public QDialog {
  Q_OBJECT

 public:
  explicit TFormBrowseFolders(QWidget* Owner);

  // Points the tree at Path; false (and nothing changes) when it is no folder.
  bool SetDirectory(const std::string& Path);
  // The chosen folder: the tree's current item, else the folder it started at.
  std::string Directory() const;

  void btOkClick();
  void btCancelClick();
  void DriveComboBox1Change(int Index);

  QComboBox* DriveComboBox1;
  QTreeView* DLB;
  QPushButton* btOk;
  QPushButton* btCancel;
  QAction* Close1;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  QFileSystemModel* FModel;
  std::string FStart;
};

class TFolderPicker {
 public:
  virtual ~TFolderPicker() = default;
  // Shows a folder window starting at Start (the current folder when Start
  // is no folder); the chosen folder, or empty on Cancel.
  virtual std::string PickFolder(QWidget* Owner, const std::string& Start) = 0;
};

// The process-wide picker; nullptr puts the folder window back.
TFolderPicker& FolderPicker();
void SetFolderPicker(TFolderPicker* Picker);
