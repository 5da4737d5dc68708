#pragma once
// The editor of single questions of the open dictionary: the question field
// completes from the dictionary while the user types, the window shows the
// question's answer, comment, show count and learning state, and adds,
// updates or deletes it. Every change goes straight to the dictionary (not
// owned); nothing is buffered here. Each key costs a few look-ups, never a
// pass over the questions.

#include <QDialog>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TSmartDict;

class TFormNewQuestion : public QDialog {
  Q_OBJECT

 public:
  TFormNewQuestion(QWidget* Owner, TSmartDict& Dict);

  // Opens the viewer at the text of edQ and takes the question chosen there.
  void pmiSelectClick();
  // Re-reads the dictionary state of the text in edQ.
  void Refresh();

  QGroupBox* gbMain = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* edQ = nullptr;
  QToolButton* btChoose = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* edA = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* edC = nullptr;
  QGroupBox* gbInfo2 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* lbShowCount = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* lbStatus = nullptr;
  QGroupBox* gbInfo1 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* lbDictQCount = nullptr;
  QPushButton* btAdd = nullptr;
  QPushButton* btDelete = nullptr;
  QPushButton* btClose = nullptr;
  QMenu* pmQ = nullptr;
  QAction* pmiSelect = nullptr;
  QAction* pmiClose = nullptr;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void edQChange();
  void btAddClick();
  void btDeleteClick();
  void pmQPopup();

  TSmartDict& FDict;
  bool FSuppressCompletion = false;
};

// Shows the editor modally on Dict; the caller starts a new examination
// afterwards, as the questions may have changed.
void EditQuestions(QWidget* Owner, TSmartDict& Dict);
