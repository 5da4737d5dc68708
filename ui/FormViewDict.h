#pragma once
// A page-wise browser of the whole dictionary with letter-by-letter search,
// from which the question editor picks a question. It shows 11 questions at
// a time and only ever reads the positions on the page, so it stays instant
// on any size of dictionary. The dictionary is not owned.

#include <QDialog>
#include <memory>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;
class TSmartDict;

class TFormViewDict : public QDialog {
  Q_OBJECT

 public:
  static constexpr int PageRows = 11;

  // The viewer with its first page near StartText, or null when the
  // dictionary holds no question (then no viewer is shown).
  static std::unique_ptr<TFormViewDict> Create(QWidget* Owner, const std::string& StartText, TSmartDict& Dict);

  // Brings position p onto the page and selects it; false when p is not a
  // position of the dictionary. Force rebuilds the page even when p follows
  // the page directly.
  bool ShowAt(int p, bool Force = false);

  // The position the user confirmed, -1 until then.
  int Chosen() const { return FChosen; }
  int First() const { return FFirst; }
  int Last() const { return FLast; }
  // The selected grid row, 1 to 11.
  int SelectedRow() const;
  const std::string& Search() const { return FSearch; }

  QTableWidget* sgDict = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* btOk = nullptr;
  QPushButton* btCancel = nullptr;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  TFormViewDict(QWidget* Owner, TSmartDict& Dict);
  void ShowRow(int Row, int p);
  void ClearRow(int Row);
  void CopyRow(int From, int To);
  void SelectRow(int Row);
  // True when the key is consumed.
  bool sgDictKeyDown(int Key, Qt::KeyboardModifiers Modifiers);
  void sgDictKeyPress(char Letter);
  void btOkClick();

  TSmartDict& FDict;
  int FFirst = -2;
  int FLast = -2;
  int FChosen = -1;
  std::string FSearch;
};
