#include "settings/UserCopy.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Prompt.h"
#include "settings/Folders.h"

namespace fs = std::filesystem;

bool FolderIsWritable(const std::string& Folder) { return ::access(Folder.empty() ? "." : Folder.c_str(), W_OK) == 0; }

std::string UserDictionaryFolder() {
  const char* Data = std::getenv("XDG_DATA_HOME");
  const char* Home = std::getenv("HOME");
  const std::string Base = Data && *Data ? Data : std::string(Home ? Home : "") + "/.local/share";
  return AddTrailingBackslash(Base) + "Kelvane/Lexidrill/";
}

std::string DictionaryToOpen(const std::string& FileName, const std::function<bool(const std::string&)>& CanWrite) {
  std::error_code E;
  if (!fs::is_regular_file(FileName, E) || CanWrite(ExtractFilePath(FileName))) return FileName;
  // The copy mirrors the whole path below the user's folder, so dictionaries
  // of one name in different folders never share a copy.
  const fs::path Source = fs::absolute(FileName, E).lexically_normal();
  if (E) return FileName;
  const std::string Copy = UserDictionaryFolder() + Source.relative_path().string();
  const std::string Folder = ExtractFilePath(Copy);
  if (fs::equivalent(FileName, Copy, E)) return FileName;
  if (fs::exists(Copy, E)) return Copy;
  // Through a temporary name, so that a copy cut short is never taken for the dictionary.
  const std::string Part = Copy + ".part";
  fs::create_directories(Folder, E);
  bool Ok = !E && fs::copy_file(FileName, Part, fs::copy_options::overwrite_existing, E) && !E;
  if (Ok) {
    fs::permissions(Part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, E);
    fs::rename(Part, Copy, E);
    Ok = !E;
  }
  if (!Ok) {
    fs::remove(Part, E);
    return FileName;
  }
  Prompt().Message("The folder of the dictionary \"" + FileName +
                       "\" cannot be written, so its learning statistics could not be saved there. They are kept in "
                       "your copy \"" + Copy + "\", which opens from now on.",
                   dkInformation);
  return Copy;
}
