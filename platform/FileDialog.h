#pragma once
// A file-open dialog kept by its owner between uses, as a window keeps its
// dialog component: the caller sets the fields, Execute shows it, and on
// success FileName holds the chosen file.

#include <string>

enum TFileDialogOption : unsigned {
  foPathMustExist = 1,
  foFileMustExist = 2,
};

class TFileDialog {
 public:
  virtual ~TFileDialog() = default;

  // Pairs of "name|pattern" joined by '|': "Text files|*.txt|Any file|*.*".
  std::string Filter;
  std::string InitialDir;  // empty: the dialog's own choice
  std::string Title;       // empty: the dialog's own caption
  std::string FileName;    // proposed before, chosen after Execute
  unsigned Options = 0;    // TFileDialogOption bits

  // Shows the dialog modally; true when the user chose a file.
  virtual bool Execute() = 0;
};
