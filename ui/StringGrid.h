#pragma once
// The string grids of the dictionary windows: a table with its header texts
// as the one fixed row, rows of one height, whole-row selection, no editing
// and user-sized columns.

#include <QStringList>

class QTableWidget;
class QWidget;

QTableWidget* NewStringGrid(QWidget* Parent, const char* Name, const QStringList& Headers,
                            const QList<int>& ColumnWidths, int RowHeight);
