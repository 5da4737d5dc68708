#include "platform/qt/QtFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

QStringList TQtFileDialog::NameFilters(const std::string& Filter) {
  const QStringList parts = QString::fromStdString(Filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns)
      if (p.trimmed() == "*.*") p = "*";  // a file name need not have a dot here
    filters << parts[i] + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

bool TQtFileDialog::Execute() {
  QFileDialog dialog(Parent.data());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const bool mustExist = Options & foFileMustExist;
  dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!Title.empty()) dialog.setWindowTitle(QString::fromStdString(Title));
  const QStringList filters = NameFilters(Filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  const QString name = QString::fromStdString(FileName);
  if (!InitialDir.empty())
    dialog.setDirectory(QString::fromStdString(InitialDir));
  else if (!name.isEmpty())
    dialog.setDirectory(QFileInfo(name).absolutePath());
  if (!name.isEmpty()) dialog.selectFile(QFileInfo(name).fileName());
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return false;
  FileName = chosen.first().toStdString();
  return true;
}
