#include "ui/ViewDict.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dictionary/SmartDict.h"
#include "ui/DialogParts.h"
#include "ui/StringGrid.h"

std::unique_ptr<TFormViewDict> TFormViewDict::Create(QWidget* Owner, const std::string& StartText, TSmartDict& Dict) {
  TQuestionInfo info;
  int32_t start = -1;
  const bool found = Dict.FindByPrefix(StartText, info);
  // A text after the last question leaves the search without a question (and at
  // position 0): the nearest question is the last one, not the first.
  const bool pastEnd = !found && !StartText.empty() && info.Question.empty();
  if (pastEnd)
    start = Dict.LastIndex();
  else if (found || Dict.IsValidIndex(info.Index))
    start = info.Index;
  else if (Dict.IsValidIndex(info.Index - 1))
    start = info.Index - 1;
  if (!Dict.IsValidIndex(start)) return nullptr;
  std::unique_ptr<TFormViewDict> form(new TFormViewDict(Owner, Dict));
  form->ShowAt(start, false);
  return form;
}

TFormViewDict::TFormViewDict(QWidget* Owner, TSmartDict& Dict)
    : QDialog(Owner, FixedDialogBorder),
      FDict(Dict) {
  setObjectName("FormViewDict");
  setWindowTitle("Select Question");
  setFixedSize(501, 285);

  Label2 = NewLabel(this, "Label2", "Use letters for search in Dictonary...");
  QFont bold = Label2->font();
  bold.setBold(true);
  Label2->setFont(bold);

  sgDict = NewStringGrid(this, "sgDict", {"Question", "Answer", "Commentary"}, {159, 165, 152}, 16);
  sgDict->setRowCount(PageRows);
  sgDict->horizontalHeader()->setFixedHeight(18);
  sgDict->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sgDict->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sgDict->setFixedHeight(18 + PageRows * 16 + 2 * sgDict->frameWidth());
  for (int r = 0; r < PageRows; ++r)
    for (int c = 0; c < 3; ++c) sgDict->setItem(r, c, new QTableWidgetItem);
  sgDict->installEventFilter(this);

  btOk = NewButton(this, "btOk", "Ok");
  btCancel = NewButton(this, "btCancel", "Cancel");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label2);
  layout->addWidget(sgDict);
  layout->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btOk);
  buttons->addWidget(btCancel);
  layout->addLayout(buttons);

  connect(btOk, &QPushButton::clicked, this, &TFormViewDict::btOkClick);
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(sgDict, &QTableWidget::cellDoubleClicked, this, [this] { btOkClick(); });
}

int TFormViewDict::SelectedRow() const { return sgDict->currentRow() + 1; }

void TFormViewDict::SelectRow(int Row) { sgDict->setCurrentCell(Row - 1, std::max(sgDict->currentColumn(), 0)); }

void TFormViewDict::FillPage() {
  TQuestionInfo info;
  for (int r = 0; r < PageRows; ++r) {
    const int32_t p = FFirst + r;
    const bool shown = p <= FLast && FDict.GetQuestionInfo(p, info);
    sgDict->item(r, 0)->setText(shown ? QString::fromStdString(info.Question) : QString());
    sgDict->item(r, 1)->setText(shown ? QString::fromStdString(info.Answer) : QString());
    sgDict->item(r, 2)->setText(shown ? QString::fromStdString(info.Comment) : QString());
  }
}

bool TFormViewDict::ShowAt(int32_t P, bool Force) {
  if (FFirst <= P && P <= FLast) {
    SelectRow(P - FFirst + 1);
    return true;
  }
  if (!FDict.IsValidIndex(P)) return false;
  int select = 1;
  if (P == FFirst - 1) {
    FFirst = P;
    FLast = FFirst + PageRows - 1;
    while (!FDict.IsValidIndex(FLast)) --FLast;
  } else if (P != FLast + 1 || Force) {
    FFirst = FLast = P;
    while (FLast - FFirst < PageRows - 1 && FDict.IsValidIndex(FLast + 1)) ++FLast;
  } else {
    ++FFirst;
    ++FLast;
    select = PageRows;
  }
  FillPage();
  SelectRow(select);
  return true;
}

void TFormViewDict::btOkClick() {
  FChosen = FFirst + SelectedRow() - 1;
  accept();
}

bool TFormViewDict::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == sgDict && Event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(Event);
    if (sgDictKeyDown(key->key(), key->modifiers())) return true;
    // Typed characters are the search's only: the view's own type-ahead would move the selection too.
    const QString text = key->text();
    if (!text.isEmpty() && text[0].isPrint()) {
      sgDictKeyPress(text);
      return true;
    }
  }
  return QDialog::eventFilter(Watched, Event);
}

bool TFormViewDict::sgDictKeyDown(int Key, Qt::KeyboardModifiers Modifiers) {
  const bool letter = Key >= Qt::Key_A && Key <= Qt::Key_Z;
  if ((Modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) || !letter) FSearch.clear();
  const int row = SelectedRow();
  switch (Key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      btOkClick();
      return true;
    case Qt::Key_Escape:
      reject();
      return true;
    case Qt::Key_PageUp:
      if (row == 1)
        for (int tries = 0; tries < PageRows + 1; ++tries)
          if (ShowAt(FFirst - PageRows + tries, true)) break;
      return false;
    case Qt::Key_PageDown:
      if (row == PageRows) ShowAt(FLast + 1, true);
      ShowAt(FLast, false);
      return true;
    case Qt::Key_End:
      ShowAt(FDict.LastIndex(), false);
      return true;
    case Qt::Key_Home:
      ShowAt(0, false);
      return false;
    case Qt::Key_Left:
    case Qt::Key_Up:
      if (row == 1) ShowAt(FFirst - 1, false);
      return false;
    case Qt::Key_Right:
    case Qt::Key_Down:
      ShowAt(FFirst + row, false);
      return true;
    default:
      return false;
  }
}

void TFormViewDict::sgDictKeyPress(const QString& Text) {
  if (Text.size() != 1) return;
  const QChar c = Text[0];
  if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return;
  const std::string wanted = FSearch + static_cast<char>(c.unicode());
  TQuestionInfo info;
  if (!FDict.FindByPrefix(wanted, info)) return;
  ShowAt(info.Index, false);
  FSearch = wanted;
}
