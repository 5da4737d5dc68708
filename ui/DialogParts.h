#pragma once
// Small builders shared by the chooser, the question editor and the viewer:
// fixed-size dialogs laid out by coordinates, named controls, and the
// read-only row grids both lists use.

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <string>

// Texts are stored as UTF-8 bytes.
inline QString FromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

inline void SetUpFixedDialog(QDialog* Dialog, const char* Name, const QString& Caption, int Width, int Height,
                             Qt::WindowFlags Extra = {}) {
  Dialog->setObjectName(Name);
  Dialog->setWindowTitle(Caption);
  Dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Extra);
  Dialog->setFixedSize(Width, Height);
}

inline QLabel* NewLabel(const char* Name, const QString& Text, QWidget* Parent, const QRect& Where) {
  auto* l = new QLabel(Text, Parent);
  l->setObjectName(Name);
  l->setGeometry(Where);
  return l;
}

// Buttons never take Enter for themselves: Enter belongs to the field it is typed in.
inline QPushButton* NewButton(const char* Name, const QString& Text, QWidget* Parent, const QRect& Where) {
  auto* b = new QPushButton(Text, Parent);
  b->setObjectName(Name);
  b->setGeometry(Where);
  b->setAutoDefault(false);
  return b;
}

// A read-only grid selected by whole rows, with a header row and user-sized columns.
inline void SetUpRowGrid(QTableWidget* Grid, const char* Name, const QStringList& Headers, int RowHeight) {
  Grid->setObjectName(Name);
  Grid->setHorizontalHeaderLabels(Headers);
  Grid->verticalHeader()->hide();
  Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Grid->verticalHeader()->setDefaultSectionSize(RowHeight);
  Grid->verticalHeader()->setMinimumSectionSize(RowHeight);
  Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  Grid->horizontalHeader()->setHighlightSections(false);
  Grid->horizontalHeader()->setFixedHeight(RowHeight + 2);
  Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  Grid->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid->setTabKeyNavigation(false);
  Grid->setWordWrap(false);
}
