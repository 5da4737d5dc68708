#include "settings/StartUp.h"

#include "platform/MemorySettingsStore.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"
#include "settings/CommandLine.h"
#include "settings/Folders.h"
#include "settings/Settings.h"

const char* const RunningCopyTitle = "Lexidrill by Kelv";
const char* const SecondCopyMessage = "To run program click on its icon in system tray";

namespace {

struct TProcessState {
  TSingleInstance* Instance = nullptr;
  std::unique_ptr<TSettingsStore> Store;
  bool SecondCopy = false;
};

TProcessState& Process() {
  static TProcessState state;
  return state;
}

// The folder as shown to the user: without its trailing '/', except the root.
std::string ShownFolder(std::string Folder) {
  while (Folder.size() > 1 && Folder.back() == PathDelimiter) Folder.pop_back();
  return Folder.empty() ? std::string(1, PathDelimiter) : Folder;
}

void CheckInstallDir(TSettingsStore& Store, const std::string& ProgramFolder) {
  const std::string stored = Store.ReadString("InstallDir").value_or("");
  if (!stored.empty()) {
    Settings.InstallDir = AddTrailingBackslash(stored);
    return;
  }
  const std::string folder = ShownFolder(ProgramFolder);
  if (Prompt().Ask(InstallDirQuestion(folder), dkConfirmation, dbYes | dbNo) == dbYes) {
    Settings.InstallDir = AddTrailingBackslash(folder);
    Store.WriteString("InstallDir", Settings.InstallDir);
    Store.Flush();
  } else {
    Settings.InstallDir = AddTrailingBackslash("");
  }
}

void WipeOldLayout(TSettingsStore& Store) {
  if (Store.SubKeys().empty()) return;
  MustChooseDictionary = true;
  Store.DeleteKey();
  Store.WriteString("InstallDir", Settings.InstallDir);
  Store.Flush();
}

}  // namespace

std::string InstallDirQuestion(const std::string& Folder) {
  return "Incorrect value of initializing path parameter. \r\nChange value to \"" + Folder + "\"";
}

bool RunStartUp(TStartUpServices Services) {
  TProcessState& p = Process();
  p.Instance = Services.Instance;
  p.SecondCopy = false;
  if (p.Instance && !p.Instance->TryLock()) {
    if (!p.Instance->ActivateRunningCopy(RunningCopyTitle)) Prompt().Message(SecondCopyMessage);
    p.SecondCopy = true;
    return false;
  }
  ParseCommandLine();
  if (Services.OpenSettings) p.Store = Services.OpenSettings();
  if (!p.Store) p.Store = std::make_unique<TMemorySettingsStore>();  // settings then last for this run only
  CheckInstallDir(*p.Store, Services.ProgramFolder);
  WipeOldLayout(*p.Store);
  LoadSettings(*p.Store);
  return true;
}

bool IsSecondCopy() { return Process().SecondCopy; }

TSettingsStore* SettingsStore() { return Process().Store.get(); }

bool FinishProcess() {
  TProcessState& p = Process();
  bool saved = true;
  if (!p.SecondCopy && p.Store) saved = SaveSettings(*p.Store);
  p.Store.reset();
  if (p.Instance) p.Instance->Unlock();
  p.Instance = nullptr;
  return saved;
}
