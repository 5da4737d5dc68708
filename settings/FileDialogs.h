#pragma once
// The one routine behind every file dialog of the program: it sets the
// filter and the first folder by the kind of file, remembers the folder of
// each kind's last choice for the rest of the run, and turns the must-exist
// checks on or off.

#include <functional>
#include <string>

class TFileDialog;

enum TFileKind { fkDictionary = 0, fkSound = 1, fkText = 2 };

// Returns true when the user chose a file; its name is then Dialog.FileName.
// The dialog's filter and options are as before afterwards. For an existing
// dictionary the dictionary chooser runs instead (ChooseDictionaryFile).
bool ExecuteFileDialog(TFileDialog& Dialog, TFileKind Kind, bool MustExist, const std::string& Title);

// The dictionary chooser: starts in the folder of Dialog.FileName and leaves
// the chosen file there. Until the program sets one, choosing an existing
// dictionary uses the plain dialog.
using TChooseDictionaryFile = std::function<bool(TFileDialog& Dialog)>;
void SetChooseDictionaryFile(TChooseDictionaryFile Chooser);

// The folders remembered for each kind; empty at start of the run. For tests.
std::string RememberedFolder(TFileKind Kind);
void ForgetRememberedFolders();
