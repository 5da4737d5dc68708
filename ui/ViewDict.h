#pragma once
// The dictionary viewer: one page of 11 questions of the open dictionary at
// a time, moved by the keys and by letter-by-letter search. Every move reads
// at most one page from the dictionary, so it stays instant on any size.
// The chosen position is Chosen() after the window closed with Ok or Enter.

#include <QDialog>
#include <cstdint>
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

  // The viewer with its first page at StartText, or nullptr when the
  // dictionary has no question to show.
  static std::unique_ptr<TFormViewDict> Create(QWidget* Owner, const std::string& StartText, TSmartDict& Dict);

  // Keeps the page consistent while showing position P and selecting its row;
  // false when P is no position of the dictionary.
  bool ShowAt(int32_t P, bool Force);
  void btOkClick();

  int32_t First() const { return FFirst; }
  int32_t Last() const { return FLast; }
  int32_t Chosen() const { return FChosen; }
  const std::string& Search() const { return FSearch; }
  // The selected row of the page, 1 to 11.
  int SelectedRow() const;

  QLabel* Label2;
  QTableWidget* sgDict;
  QPushButton* btOk;
  QPushButton* btCancel;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  TFormViewDict(QWidget* Owner, TSmartDict& Dict);
  void SelectRow(int Row);
  void FillPage();
  // True when the key is consumed.
  bool sgDictKeyDown(int Key, Qt::KeyboardModifiers Modifiers);
  void sgDictKeyPress(const QString& Text);

  TSmartDict& FDict;
  int32_t FFirst = -2;
  int32_t FLast = -2;
  int32_t FChosen = -1;
  std::string FSearch;
};
