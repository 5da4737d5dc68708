#include "ui/FormNewQuestion.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "dictionary/SmartDict.h"
#include "ui/DialogParts.h"
#include "ui/FormViewDict.h"

namespace {

std::string ToUtf8(const QString& s) { return s.toStdString(); }

const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);

QLabel* NewValueLabel(const char* Name, const QColor& Colour, QWidget* Parent, const QRect& Where) {
  QLabel* l = NewLabel(Name, QString(), Parent, Where);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, Colour);
  l->setPalette(p);
  return l;
}

QLineEdit* NewEdit(const char* Name, bool Bold, QWidget* Parent, const QRect& Where) {
  auto* e = new QLineEdit(Parent);
  e->setObjectName(Name);
  e->setGeometry(Where);
  QFont f = e->font();
  f.setPixelSize(16);
  f.setBold(Bold);
  e->setFont(f);
  QPalette p = e->palette();
  p.setColor(QPalette::Text, Navy);
  e->setPalette(p);
  return e;
}

const char* StatusText(int32_t Status) {
  switch (Status) {
    case qsNew:
      return "New";
    case qsLearned:
      return "Already learned";
    default:
      return "Learning now";
  }
}

}  // namespace

TFormNewQuestion::TFormNewQuestion(QWidget* Owner, TSmartDict& Dict) : QDialog(Owner), FDict(Dict) {
  SetUpFixedDialog(this, "FormNewQuestion", "Edit Questions", 503, 287, Qt::WindowMinimizeButtonHint);

  gbMain = new QGroupBox("Question information", this);
  gbMain->setObjectName("gbMain");
  gbMain->setGeometry(8, 4, 487, 176);
  Label1 = NewLabel("Label1", "Question", gbMain, {12, 18, 200, 16});
  edQ = NewEdit("edQ", true, gbMain, {12, 34, 447, 26});
  edQ->setToolTip("Press Ctrl+Space to select");
  btChoose = new QToolButton(gbMain);
  btChoose->setObjectName("btChoose");
  btChoose->setArrowType(Qt::DownArrow);
  btChoose->setGeometry(459, 35, 16, 23);
  btChoose->setFocusPolicy(Qt::NoFocus);
  Label2 = NewLabel("Label2", "Answer", gbMain, {12, 64, 200, 16});
  edA = NewEdit("edA", false, gbMain, {12, 80, 463, 26});
  Label3 = NewLabel("Label3", "Comment", gbMain, {12, 110, 200, 16});
  edC = NewEdit("edC", false, gbMain, {12, 126, 463, 26});

  gbInfo2 = new QGroupBox("Question status", this);
  gbInfo2->setObjectName("gbInfo2");
  gbInfo2->setGeometry(8, 186, 210, 93);
  Label4 = NewLabel("Label4", "Showed", gbInfo2, {10, 26, 70, 18});
  lbShowCount = NewValueLabel("lbShowCount", QColor(255, 255, 0), gbInfo2, {80, 26, 120, 18});
  Label6 = NewLabel("Label6", "Status", gbInfo2, {10, 56, 70, 18});
  lbStatus = NewValueLabel("lbStatus", QColor(0, 255, 255), gbInfo2, {70, 56, 130, 18});

  gbInfo1 = new QGroupBox("Dictionary information", this);
  gbInfo1->setObjectName("gbInfo1");
  gbInfo1->setGeometry(224, 186, 160, 93);
  Label8 = NewLabel("Label8", "Words", gbInfo1, {10, 26, 60, 18});
  lbDictQCount = NewValueLabel("lbDictQCount", QColor(0, 0, 255), gbInfo1, {60, 26, 90, 18});

  btAdd = NewButton("btAdd", "Add / Replace", this, {392, 192, 103, 25});
  btDelete = NewButton("btDelete", "Delete", this, {392, 222, 103, 25});
  btClose = NewButton("btClose", "Close", this, {392, 252, 103, 25});

  pmQ = new QMenu(this);
  pmQ->setObjectName("pmQ");
  pmiSelect = pmQ->addAction("&Select");
  pmiSelect->setObjectName("pmiSelect");
  pmiSelect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space));
  pmiSelect->setShortcutContext(Qt::WidgetShortcut);
  edQ->addAction(pmiSelect);  // the shortcut works only while edQ has the focus
  pmiClose = pmQ->addAction("&Close");
  pmiClose->setObjectName("pmiClose");
  pmiClose->setShortcut(QKeySequence(Qt::Key_Escape));
  pmiClose->setShortcutContext(Qt::WidgetShortcut);  // Esc itself reaches the dialog
  connect(pmQ, &QMenu::aboutToShow, this, &TFormNewQuestion::pmQPopup);
  connect(pmQ, &QMenu::aboutToHide, this, [this] { pmiSelect->setEnabled(true); });
  for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(edQ)}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint& at) { pmQ->popup(w->mapToGlobal(at)); });
  }

  connect(pmiSelect, &QAction::triggered, this, &TFormNewQuestion::pmiSelectClick);
  connect(btChoose, &QToolButton::clicked, this, &TFormNewQuestion::pmiSelectClick);
  connect(pmiClose, &QAction::triggered, this, &QDialog::reject);
  connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
  connect(btAdd, &QPushButton::clicked, this, &TFormNewQuestion::btAddClick);
  connect(btDelete, &QPushButton::clicked, this, &TFormNewQuestion::btDeleteClick);
  connect(edQ, &QLineEdit::textChanged, this, &TFormNewQuestion::edQChange);
  connect(edA, &QLineEdit::textChanged, this, &TFormNewQuestion::Refresh);
  edQ->installEventFilter(this);

  edQ->clear();
  edA->clear();
  edC->clear();
  Refresh();
  edQ->setFocus();
}

void TFormNewQuestion::Refresh() {
  lbDictQCount->setText(QString::number(FDict.QuestionCount()));
  QPalette p = edQ->palette();
  int32_t index = 0;
  TQuestionInfo info;
  if (FDict.FindQuestion(ToUtf8(edQ->text()), index) && FDict.GetQuestionInfo(index, info)) {
    p.setColor(QPalette::Text, Green);
    btDelete->setEnabled(true);
    btAdd->setText("Update");
    lbShowCount->setText(QString::number(info.ShowCount));
    lbStatus->setText(StatusText(info.Status));
  } else {
    p.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    btDelete->setEnabled(false);
    btAdd->setText("Apply");
    lbShowCount->setText("0");
    lbStatus->setText("New");
  }
  edQ->setPalette(p);
  btAdd->setEnabled(!edA->text().isEmpty());
}

void TFormNewQuestion::edQChange() {
  if (FSuppressCompletion) {
    FSuppressCompletion = false;
    Refresh();
    return;
  }
  TQuestionInfo info;
  const QString typed = edQ->text();
  if (FDict.FindByPrefix(ToUtf8(typed), info)) {
    const QString whole = FromUtf8(info.Question);
    const int caret = std::min(edQ->cursorPosition(), static_cast<int>(whole.size()));
    if (whole != typed) {
      FSuppressCompletion = true;
      edQ->setText(whole);
      FSuppressCompletion = false;  // an unchanged text emits nothing to clear it
    }
    // Caret back where the user typed, tail selected: typing on replaces it.
    edQ->setSelection(static_cast<int>(whole.size()), caret - static_cast<int>(whole.size()));
    edA->setText(FromUtf8(info.Answer));
    edC->setText(FromUtf8(info.Comment));
  }
  Refresh();
}

bool TFormNewQuestion::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == edQ && Event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(Event)->key();
    FSuppressCompletion = key == Qt::Key_Backspace || key == Qt::Key_Delete;
  }
  return QDialog::eventFilter(Watched, Event);
}

void TFormNewQuestion::pmQPopup() { pmiSelect->setEnabled(edQ->hasFocus()); }

void TFormNewQuestion::pmiSelectClick() {
  std::unique_ptr<TFormViewDict> viewer = TFormViewDict::Create(this, ToUtf8(edQ->text()), FDict);
  if (!viewer) return;
  viewer->exec();
  TQuestionInfo info;
  if (!FDict.GetQuestionInfo(viewer->Chosen(), info)) return;
  viewer.reset();
  const QString whole = FromUtf8(info.Question);
  FSuppressCompletion = false;  // a Backspace before the viewer must not swallow this change
  if (edQ->text() == whole)
    edQChange();  // the same text emits no change; fill answer and comment all the same
  else
    edQ->setText(whole);
  edQ->setFocus();
}

void TFormNewQuestion::btAddClick() {
  FDict.AddOrUpdateQuestion(ToUtf8(edQ->text()), ToUtf8(edA->text()), ToUtf8(edC->text()));
  Refresh();
}

void TFormNewQuestion::btDeleteClick() {
  FDict.DeleteQuestion(ToUtf8(edQ->text()));
  Refresh();
}

void EditQuestions(QWidget* Owner, TSmartDict& Dict) {
  TFormNewQuestion form(Owner, Dict);
  form.exec();
}
