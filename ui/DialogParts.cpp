#include "ui/DialogParts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

#include "platform/Prompt.h"

QSpinBox* NewUpDown(QWidget* Parent, const char* EditName, const char* UpDownName, int Min, int Max, bool ReadOnly,
                    int Step) {
  auto* spin = new QSpinBox(Parent);
  spin->setObjectName(UpDownName);
  spin->setRange(Min, Max);
  spin->setSingleStep(Step);
  spin->setFixedWidth(64);
  auto* edit = spin->findChild<QLineEdit*>();
  edit->setObjectName(EditName);
  edit->setReadOnly(ReadOnly);
  return spin;
}

QLabel* NewLabel(QWidget* Parent, const char* Name, const QString& Text) {
  auto* l = new QLabel(Text, Parent);
  l->setObjectName(Name);
  return l;
}

QCheckBox* NewCheckBox(QWidget* Parent, const char* Name, const QString& Text) {
  auto* c = new QCheckBox(Text, Parent);
  c->setObjectName(Name);
  return c;
}

QPushButton* NewButton(QWidget* Parent, const char* Name, const QString& Text) {
  auto* b = new QPushButton(Text, Parent);
  b->setObjectName(Name);
  b->setAutoDefault(false);
  return b;
}

void CentreOnScreen(QWidget* W) {
  W->adjustSize();
  if (const QScreen* s = W->screen()) W->move(s->availableGeometry().center() - W->rect().center());
}

bool AskApplyChanges() {
  return Prompt().Ask("Would you like to apply changes?", dkConfirmation, dbOk | dbCancel) == dbOk;
}
