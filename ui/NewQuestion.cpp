#include "ui/NewQuestion.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "dictionary/SmartDict.h"
#include "ui/DialogParts.h"
#include "ui/ViewDict.h"
#include "ui/WinColors.h"

namespace {

constexpr uint32_t SystemWindowText = 0x80000008u;

QColor Navy() { return QColor(0, 0, 128); }

void SetTextColor(QWidget* W, QPalette::ColorRole Role, const QColor& Color) {
  QPalette p = W->palette();
  p.setColor(Role, Color);
  W->setPalette(p);
}

QLineEdit* NewEdit(QWidget* Parent, const char* Name, bool Bold) {
  auto* e = new QLineEdit(Parent);
  e->setObjectName(Name);
  QFont f = e->font();
  f.setPixelSize(16);
  f.setBold(Bold);
  e->setFont(f);
  SetTextColor(e, QPalette::Text, Navy());
  return e;
}

// A value of the status boxes: bold, right-aligned, in its own colour on a
// dark sunken field, where yellow and aqua stay readable.
QLabel* NewValue(QWidget* Parent, const char* Name, const QColor& Color) {
  auto* l = NewLabel(Parent, Name, QString());
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  l->setAutoFillBackground(true);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, QColor(0, 0, 0));
  p.setColor(QPalette::WindowText, Color);
  l->setPalette(p);
  l->setMinimumWidth(110);
  return l;
}

QString StatusText(int32_t Status) {
  if (Status == qsNew) return QStringLiteral("New");
  if (Status == qsLearned) return QStringLiteral("Already learned");
  return QStringLiteral("Learning now");
}

}  // namespace

TFormNewQuestion::TFormNewQuestion(QWidget* Owner, TSmartDict& Dict)
    : QDialog(Owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      FDict(Dict) {
  setObjectName("FormNewQuestion");
  setWindowTitle("Edit Questions");
  setFixedSize(503, 287);

  gbMain = new QGroupBox("Question information", this);
  gbMain->setObjectName("gbMain");
  Label1 = NewLabel(gbMain, "Label1", "Question");
  edQ = NewEdit(gbMain, "edQ", true);
  edQ->setToolTip("Press Ctrl+Space to select");
  btChoose = NewButton(gbMain, "btChoose", QString(QChar(0x2193)));
  btChoose->setFixedSize(16, 23);
  btChoose->setFocusPolicy(Qt::NoFocus);
  Label2 = NewLabel(gbMain, "Label2", "Answer");
  edA = NewEdit(gbMain, "edA", false);
  Label3 = NewLabel(gbMain, "Label3", "Comment");
  edC = NewEdit(gbMain, "edC", false);
  auto* main = new QGridLayout(gbMain);
  main->addWidget(Label1, 0, 0);
  auto* question = new QHBoxLayout;
  question->setSpacing(0);
  question->addWidget(edQ, 1);
  question->addWidget(btChoose);
  main->addLayout(question, 0, 1);
  main->addWidget(Label2, 1, 0);
  main->addWidget(edA, 1, 1);
  main->addWidget(Label3, 2, 0);
  main->addWidget(edC, 2, 1);

  gbInfo2 = new QGroupBox("Question status", this);
  gbInfo2->setObjectName("gbInfo2");
  Label4 = NewLabel(gbInfo2, "Label4", "Showed");
  lbShowCount = NewValue(gbInfo2, "lbShowCount", QColor(255, 255, 0));
  Label6 = NewLabel(gbInfo2, "Label6", "Status");
  lbStatus = NewValue(gbInfo2, "lbStatus", QColor(0, 255, 255));
  auto* status = new QGridLayout(gbInfo2);
  status->addWidget(Label4, 0, 0);
  status->addWidget(lbShowCount, 0, 1);
  status->addWidget(Label6, 1, 0);
  status->addWidget(lbStatus, 1, 1);

  gbInfo1 = new QGroupBox("Dictionary information", this);
  gbInfo1->setObjectName("gbInfo1");
  Label8 = NewLabel(gbInfo1, "Label8", "Words");
  lbDictQCount = NewValue(gbInfo1, "lbDictQCount", QColor(80, 140, 255));
  auto* info = new QGridLayout(gbInfo1);
  info->addWidget(Label8, 0, 0);
  info->addWidget(lbDictQCount, 0, 1);
  info->setRowStretch(1, 1);

  btAdd = NewButton(this, "btAdd", "Add / Replace");
  btDelete = NewButton(this, "btDelete", "Delete");
  btClose = NewButton(this, "btClose", "Close");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(gbMain);
  auto* lower = new QHBoxLayout;
  lower->addWidget(gbInfo2, 3);
  lower->addWidget(gbInfo1, 2);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(btAdd);
  buttons->addWidget(btDelete);
  buttons->addWidget(btClose);
  buttons->addStretch();
  lower->addLayout(buttons);
  layout->addLayout(lower);

  pmQ = new QMenu(this);
  pmQ->setObjectName("pmQ");
  pmiSelect = pmQ->addAction("&Select");
  pmiSelect->setObjectName("pmiSelect");
  pmiSelect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space));
  pmiSelect->setShortcutContext(Qt::WidgetShortcut);
  pmiClose = pmQ->addAction("&Close");
  pmiClose->setObjectName("pmiClose");
  pmiClose->setShortcut(Qt::Key_Escape);
  edQ->addAction(pmiSelect);  // Ctrl+Space acts only while edQ has the focus
  addAction(pmiClose);
  for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(edQ)}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint& At) {
      pmQPopup();
      pmQ->popup(w->mapToGlobal(At));
    });
  }
  connect(pmQ, &QMenu::aboutToHide, this, [this] { pmiSelect->setEnabled(true); });

  connect(edQ, &QLineEdit::textChanged, this, &TFormNewQuestion::edQChange);
  connect(edA, &QLineEdit::textChanged, this, &TFormNewQuestion::edAChange);
  connect(btChoose, &QPushButton::clicked, this, &TFormNewQuestion::pmiSelectClick);
  connect(pmiSelect, &QAction::triggered, this, &TFormNewQuestion::pmiSelectClick);
  connect(btAdd, &QPushButton::clicked, this, &TFormNewQuestion::btAddClick);
  connect(btDelete, &QPushButton::clicked, this, &TFormNewQuestion::btDeleteClick);
  connect(btClose, &QPushButton::clicked, this, &TFormNewQuestion::pmiCloseClick);
  connect(pmiClose, &QAction::triggered, this, &TFormNewQuestion::pmiCloseClick);
  edQ->installEventFilter(this);

  edQ->clear();
  edA->clear();
  edC->clear();
  Refresh();
}

bool TFormNewQuestion::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == edQ && Event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(Event)->key();
    FSuppressCompletion = key == Qt::Key_Backspace || key == Qt::Key_Delete;
  }
  return QDialog::eventFilter(Watched, Event);
}

void TFormNewQuestion::Refresh() {
  lbDictQCount->setText(QString::number(FDict.QuestionCount()));
  const std::string question = edQ->text().toStdString();
  int32_t p = 0;
  TQuestionInfo info;
  const bool known = FDict.FindQuestion(question, p) && FDict.GetQuestionInfo(p, info) && info.Question == question;
  SetTextColor(edQ, QPalette::Text, known ? QColor(0, 128, 0) : WinColor(SystemWindowText));
  btDelete->setEnabled(known);
  btAdd->setText(known ? "Update" : "Apply");
  lbShowCount->setText(known ? QString::number(info.ShowCount) : QStringLiteral("0"));
  lbStatus->setText(known ? StatusText(info.Status) : QStringLiteral("New"));
  btAdd->setEnabled(!edA->text().isEmpty());
}

void TFormNewQuestion::edQChange() {
  if (FSuppressCompletion) {
    FSuppressCompletion = false;
    Refresh();
    return;
  }
  TQuestionInfo info;
  if (FDict.FindByPrefix(edQ->text().toStdString(), info)) {
    const QString whole = QString::fromStdString(info.Question);
    const int caret = edQ->cursorPosition();
    // Setting the same text again changes nothing and runs no change handler.
    if (whole != edQ->text()) {
      FSuppressCompletion = true;
      edQ->setText(whole);
    }
    edQ->setSelection(caret, static_cast<int>(whole.size()) - caret);
    edA->setText(QString::fromStdString(info.Answer));
    edC->setText(QString::fromStdString(info.Comment));
  }
  Refresh();
}

void TFormNewQuestion::edAChange() { Refresh(); }

void TFormNewQuestion::pmQPopup() { pmiSelect->setEnabled(edQ->hasFocus()); }

void TFormNewQuestion::pmiSelectClick() {
  std::unique_ptr<TFormViewDict> viewer = TFormViewDict::Create(this, edQ->text().toStdString(), FDict);
  if (!viewer) return;
  RunViewer ? RunViewer(*viewer) : viewer->exec();
  TQuestionInfo info;
  if (!FDict.GetQuestionInfo(viewer->Chosen(), info)) return;
  FSuppressCompletion = false;  // a Backspace on an empty field changed nothing but set it
  edQ->setText(QString::fromStdString(info.Question));
}

void TFormNewQuestion::btAddClick() {
  FDict.AddOrUpdateQuestion(edQ->text().toStdString(), edA->text().toStdString(), edC->text().toStdString());
  Refresh();
}

void TFormNewQuestion::btDeleteClick() {
  FDict.DeleteQuestion(edQ->text().toStdString());
  Refresh();
}

void TFormNewQuestion::pmiCloseClick() { reject(); }
