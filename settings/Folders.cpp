#include "settings/Folders.h"

#include "settings/Settings.h"

const char* const FolderTag = "<Lexidrill folder>";

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::size_t FindNoCase(const std::string& Text, const std::string& What) {
  if (What.empty() || What.size() > Text.size()) return std::string::npos;
  for (std::size_t i = 0; i + What.size() <= Text.size(); ++i) {
    std::size_t j = 0;
    while (j < What.size() && AsciiUpper(Text[i + j]) == AsciiUpper(What[j])) ++j;
    if (j == What.size()) return i;
  }
  return std::string::npos;
}

std::string ReplaceFirstNoCase(const std::string& Text, const std::string& What, const std::string& By) {
  std::size_t p = FindNoCase(Text, What);
  if (p == std::string::npos) return Text;
  return Text.substr(0, p) + By + Text.substr(p + What.size());
}

}  // namespace

std::string AddTrailingBackslash(const std::string& Path) {
  if (!Path.empty() && Path.back() == PathDelimiter) return Path;
  return Path + PathDelimiter;
}

std::string ExtractFilePath(const std::string& Path) {
  std::size_t p = Path.rfind(PathDelimiter);
  return p == std::string::npos ? std::string() : Path.substr(0, p + 1);
}

std::string PathToFolderTag(const std::string& Path) { return ReplaceFirstNoCase(Path, InstallDir(), FolderTag); }

std::string FolderTagToPath(const std::string& Path) { return ReplaceFirstNoCase(Path, FolderTag, InstallDir()); }

std::string DefaultDictFile() { return InstallDir() + "Dicts/lexidrill.lxd"; }

std::string DefaultSoundFile(int Index) {
  return InstallDir() + "Sound/lexidrillsnd" + std::to_string(Index) + ".wav";
}

std::string HelpFile() { return InstallDir() + "lexidrill.hlp"; }
