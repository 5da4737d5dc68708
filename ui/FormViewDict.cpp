#include "ui/FormViewDict.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "dictionary/SmartDict.h"
#include "ui/DialogParts.h"

namespace {

constexpr int RowHeight = 16;

}  // namespace

std::unique_ptr<TFormViewDict> TFormViewDict::Create(QWidget* Owner, const std::string& StartText,
                                                     TSmartDict& Dict) {
  TQuestionInfo info;
  int start;
  if (Dict.FindByPrefix(StartText, info)) {
    start = info.Index;
  } else if (!StartText.empty() && Dict.LastIndex() >= 0 && Dict.GetQuestionInfo(Dict.LastIndex(), info) &&
             StartText > info.Question) {
    // Sorts after every question: open at the end rather than at the start.
    start = Dict.LastIndex();
  } else if (Dict.IsValidIndex(info.Index)) {
    start = info.Index;
  } else {
    start = info.Index - 1;
  }
  if (!Dict.IsValidIndex(start)) return nullptr;
  std::unique_ptr<TFormViewDict> form(new TFormViewDict(Owner, Dict));
  form->ShowAt(start);
  return form;
}

TFormViewDict::TFormViewDict(QWidget* Owner, TSmartDict& Dict) : QDialog(Owner), FDict(Dict) {
  SetUpFixedDialog(this, "FormViewDict", "Select Question", 501, 285);

  Label2 = NewLabel("Label2", "Use letters for search in Dictonary...", this, {8, 6, 485, 20});
  QFont bold = Label2->font();
  bold.setBold(true);
  Label2->setFont(bold);

  sgDict = new QTableWidget(PageRows, 3, this);
  SetUpRowGrid(sgDict, "sgDict", {"Question", "Answer", "Commentary"}, RowHeight);
  sgDict->setColumnWidth(0, 159);
  sgDict->setColumnWidth(1, 165);
  sgDict->setColumnWidth(2, 152);
  sgDict->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sgDict->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont small = sgDict->font();
  small.setPixelSize(12);
  sgDict->setFont(small);
  sgDict->horizontalHeader()->setFont(small);
  sgDict->setGeometry(8, 28, 485, RowHeight * PageRows + RowHeight + 6);
  for (int r = 0; r < PageRows; ++r)
    for (int c = 0; c < 3; ++c) sgDict->setItem(r, c, new QTableWidgetItem);
  sgDict->installEventFilter(this);
  connect(sgDict, &QTableWidget::cellDoubleClicked, this, [this](int, int) { btOkClick(); });

  btOk = NewButton("btOk", "Ok", this, {336, 250, 75, 25});
  connect(btOk, &QPushButton::clicked, this, &TFormViewDict::btOkClick);
  btCancel = NewButton("btCancel", "Cancel", this, {418, 250, 75, 25});
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
  sgDict->setFocus();
}

int TFormViewDict::SelectedRow() const { return sgDict->currentRow() + 1; }

void TFormViewDict::SelectRow(int Row) { sgDict->setCurrentCell(Row - 1, sgDict->currentColumn() < 0 ? 0 : sgDict->currentColumn()); }

void TFormViewDict::ShowRow(int Row, int p) {
  TQuestionInfo info;
  if (!FDict.GetQuestionInfo(p, info)) {
    ClearRow(Row);
    return;
  }
  sgDict->item(Row - 1, 0)->setText(FromUtf8(info.Question));
  sgDict->item(Row - 1, 1)->setText(FromUtf8(info.Answer));
  sgDict->item(Row - 1, 2)->setText(FromUtf8(info.Comment));
}

void TFormViewDict::ClearRow(int Row) {
  for (int c = 0; c < 3; ++c) sgDict->item(Row - 1, c)->setText(QString());
}

void TFormViewDict::CopyRow(int From, int To) {
  for (int c = 0; c < 3; ++c) sgDict->item(To - 1, c)->setText(sgDict->item(From - 1, c)->text());
}

bool TFormViewDict::ShowAt(int p, bool Force) {
  if (FFirst <= p && p <= FLast) {
    SelectRow(p - FFirst + 1);
    return true;
  }
  if (!FDict.IsValidIndex(p)) return false;
  if (p == FFirst - 1) {
    for (int r = PageRows; r >= 2; --r) CopyRow(r - 1, r);
    ShowRow(1, p);
    FFirst -= 1;
    FLast = FFirst + PageRows - 1;
    while (!FDict.IsValidIndex(FLast)) --FLast;
    SelectRow(1);
  } else if (p != FLast + 1 || Force) {
    ShowRow(1, p);
    FFirst = FLast = p;
    int r = 2;
    for (; r <= PageRows && FDict.IsValidIndex(p + r - 1); ++r) {
      ShowRow(r, p + r - 1);
      FLast = p + r - 1;
    }
    for (; r <= PageRows; ++r) ClearRow(r);
    SelectRow(1);
  } else {
    for (int r = 1; r < PageRows; ++r) CopyRow(r + 1, r);
    ShowRow(PageRows, p);
    FFirst += 1;
    FLast += 1;
    SelectRow(PageRows);
  }
  return true;
}

bool TFormViewDict::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == sgDict && Event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(Event);
    sgDictKeyDown(key->key(), key->modifiers());
    // Letters typed with Ctrl or Alt are commands, not search.
    const QString text = key->text();
    if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && text.size() == 1) {
      const char16_t c = text.at(0).unicode();
      if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) sgDictKeyPress(static_cast<char>(c));
    }
    // Every key is handled here; the grid's own moves would fight the paging.
    return true;
  }
  return QDialog::eventFilter(Watched, Event);
}

bool TFormViewDict::sgDictKeyDown(int Key, Qt::KeyboardModifiers Modifiers) {
  const bool shifted = Modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (shifted || Key < Qt::Key_A || Key > Qt::Key_Z) FSearch.clear();
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
        for (int i = 0; i < 12; ++i)
          if (ShowAt(FFirst - PageRows + i)) break;
      SelectRow(1);
      return false;
    case Qt::Key_PageDown:
      if (row == PageRows) ShowAt(FLast + 1, true);
      SelectRow(FLast - FFirst + 1);
      return true;
    case Qt::Key_End:
      ShowAt(FDict.LastIndex());
      return true;
    case Qt::Key_Home:
      ShowAt(0);
      return false;
    case Qt::Key_Left:
    case Qt::Key_Up:
      if (row == 1)
        ShowAt(FFirst - 1);
      else if (Key == Qt::Key_Up)
        SelectRow(row - 1);
      return false;
    case Qt::Key_Right:
    case Qt::Key_Down:
      ShowAt(FFirst + row);
      return true;
    default:
      return false;
  }
}

void TFormViewDict::sgDictKeyPress(char Letter) {
  TQuestionInfo info;
  const std::string wanted = FSearch + Letter;
  if (!FDict.FindByPrefix(wanted, info)) return;
  ShowAt(info.Index);
  FSearch = wanted;
}

void TFormViewDict::btOkClick() {
  FChosen = FFirst + SelectedRow() - 1;
  accept();
}
