#include "settings/FileDialogs.h"

#include <exception>

#include "platform/FileDialog.h"
#include "settings/Folders.h"
#include "settings/Settings.h"

namespace {

TChooseDictionaryFile& Chooser() {
  static TChooseDictionaryFile chooser;
  return chooser;
}

std::string Remembered[3];

// Restores the filter and options however the dialog ends.
class TSavedDialogState {
 public:
  explicit TSavedDialogState(TFileDialog& Dialog) : Dialog(Dialog), Filter(Dialog.Filter), Options(Dialog.Options) {}
  ~TSavedDialogState() {
    Dialog.Filter = Filter;
    Dialog.Options = Options;
  }
  TSavedDialogState(const TSavedDialogState&) = delete;
  TSavedDialogState& operator=(const TSavedDialogState&) = delete;

 private:
  TFileDialog& Dialog;
  std::string Filter;
  unsigned Options;
};

}  // namespace

void SetChooseDictionaryFile(TChooseDictionaryFile C) { Chooser() = std::move(C); }

bool ExecuteFileDialog(TFileDialog& Dialog, TFileKind Kind, bool MustExist, const std::string& Title) {
  try {
    if (Kind == fkDictionary && MustExist && Chooser()) return Chooser()(Dialog);
    TSavedDialogState saved(Dialog);
    std::string* folder = nullptr;
    switch (Kind) {
      case fkDictionary:
        Dialog.Filter = "Dictionary files|*.lxd|Any file|*.*";
        folder = &Remembered[fkDictionary];
        if (folder->empty()) *folder = InstallDir() + "Dicts/";
        break;
      case fkSound:
        Dialog.Filter = "Sound files|*.wav|Any file|*.*";
        folder = &Remembered[fkSound];
        if (folder->empty()) *folder = InstallDir() + "Sound/";
        break;
      case fkText:
        Dialog.Filter = "Text files|*.txt|Any file|*.*";
        folder = &Remembered[fkText];
        break;
    }
    Dialog.InitialDir = folder ? *folder : std::string();
    Dialog.Title = Title;
    if (MustExist)
      Dialog.Options |= foPathMustExist | foFileMustExist;
    else
      Dialog.Options &= ~unsigned(foPathMustExist | foFileMustExist);
    if (!Dialog.Execute()) return false;
    if (folder) *folder = ExtractFilePath(Dialog.FileName);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

std::string RememberedFolder(TFileKind Kind) {
  return Kind >= fkDictionary && Kind <= fkText ? Remembered[Kind] : std::string();
}

void ForgetRememberedFolders() {
  for (auto& f : Remembered) f.clear();
}
