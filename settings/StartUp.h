#pragma once
// What runs from the start of the process until the main window is created,
// and at its end:
//  1. single instance: a second copy brings the running one to the front
//     (or says how to), and ends without reading or writing the settings;
//  2. the command line (settings/CommandLine.h);
//  3. the settings key is opened;
//  4. the install folder, confirmed by the user when none is stored;
//  5. a key in an old layout (with subkeys) is wiped, keeping InstallDir;
//  6. LoadSettings.
// The Qt program builds the real services in platform/qt/StartUpServices.h.

#include <functional>
#include <memory>
#include <string>

class TSettingsStore;
class TSingleInstance;

struct TStartUpServices {
  TSingleInstance* Instance = nullptr;  // not owned; lives until FinishProcess
  // Opens the settings key (step 3); the store is kept until FinishProcess.
  std::function<std::unique_ptr<TSettingsStore>()> OpenSettings;
  // Folder of the program's own file, as the platform gives it.
  std::string ProgramFolder;
};

// The title a second copy looks for. The running copy's window is titled
// "Lexidrill", so a second start always ends with the message below.
extern const char* const RunningCopyTitle;       // "Lexidrill by Kelv"
extern const char* const SecondCopyMessage;      // "To run program click on its icon in system tray"

// Runs steps 1 to 6. Returns false when another copy runs: the process must
// then end at once (FinishProcess still may be called; it saves nothing).
bool RunStartUp(TStartUpServices Services);

// Whether RunStartUp found another copy running.
bool IsSecondCopy();

// The store opened by RunStartUp, or nullptr (second copy, or not started).
TSettingsStore* SettingsStore();

// End of the process, after the main window is gone: saves the settings
// unless this is a second copy, then releases the single-instance marker.
// Returns false when the settings could not be written (the program still
// ends). Safe to call more than once.
bool FinishProcess();

// The confirmation text of step 4 for the given program folder.
std::string InstallDirQuestion(const std::string& Folder);
