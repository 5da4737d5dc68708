#pragma once
// The question editor: type a question and it is completed from the open
// dictionary while typing; its answer, comment, show count and learning state
// are shown, and it is added, updated or deleted straight in the dictionary.
// Ctrl+Space (or the arrow button) picks a question from the viewer.

#include <QDialog>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TFormViewDict;
class TSmartDict;

class TFormNewQuestion : public QDialog {
  Q_OBJECT

 public:
  // Dict is not owned.
  TFormNewQuestion(QWidget* Owner, TSmartDict& Dict);

  void edQChange();
  void edAChange();
  void pmiSelectClick();
  void btAddClick();
  void btDeleteClick();
  void pmiCloseClick();
  void pmQPopup();
  void Refresh();

  // Shows the viewer modally and returns its result; tests answer it
  // without a modal loop.
  std::function<int(TFormViewDict& Viewer)> RunViewer;

  QGroupBox* gbMain;
  QLabel* Label1;
  QLineEdit* edQ;
  QPushButton* btChoose;
  QLabel* Label2;
  QLineEdit* edA;
  QLabel* Label3;
  QLineEdit* edC;
  QGroupBox* gbInfo2;
  QLabel* Label4;
  QLabel* lbShowCount;
  QLabel* Label6;
  QLabel* lbStatus;
  QGroupBox* gbInfo1;
  QLabel* Label8;
  QLabel* lbDictQCount;
  QPushButton* btAdd;
  QPushButton* btDelete;
  QPushButton* btClose;
  QMenu* pmQ;
  QAction* pmiSelect;
  QAction* pmiClose;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  TSmartDict& FDict;
  bool FSuppressCompletion = false;
};
