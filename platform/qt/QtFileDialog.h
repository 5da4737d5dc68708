#pragma once
// The file-open dialog of a window, as QFileDialog. Filters "Name|*.ext"
// become "Name (*.ext)"; "*.*" means any file. With foFileMustExist only an
// existing file can be chosen; without it a new name may be typed.

#include <QPointer>
#include <QWidget>

#include "platform/FileDialog.h"

class TQtFileDialog final : public TFileDialog {
 public:
  explicit TQtFileDialog(QWidget* Parent) : Parent(Parent) {}
  bool Execute() override;

  // The filter list QFileDialog takes for one of ours.
  static QStringList NameFilters(const std::string& Filter);

 private:
  QPointer<QWidget> Parent;
};
