#include "ui/StringGrid.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget* NewStringGrid(QWidget* Parent, const char* Name, const QStringList& Headers,
                            const QList<int>& ColumnWidths, int RowHeight) {
  auto* g = new QTableWidget(Parent);
  g->setObjectName(Name);
  g->setColumnCount(static_cast<int>(Headers.size()));
  g->setHorizontalHeaderLabels(Headers);
  g->verticalHeader()->hide();
  g->verticalHeader()->setMinimumSectionSize(RowHeight);
  g->verticalHeader()->setDefaultSectionSize(RowHeight);
  g->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  g->horizontalHeader()->setHighlightSections(false);
  g->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int c = 0; c < ColumnWidths.size() && c < g->columnCount(); ++c) g->setColumnWidth(c, ColumnWidths[c]);
  g->setSelectionBehavior(QAbstractItemView::SelectRows);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setWordWrap(false);
  return g;
}
