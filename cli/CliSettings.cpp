#include "cli/CliSettings.h"

#include <cstdlib>
#include <fstream>

#include <unistd.h>

#include <climits>

#include "platform/SettingsStore.h"
#include "settings/Settings.h"

std::string SettingsFileName() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg && *xdg) {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home ? home : "") + "/.config";
  }
  return base + "/Kelvane/Lexidrill.ini";
}

std::map<std::string, std::string> ReadIniValues(const std::string& FileName) {
  std::map<std::string, std::string> values;
  std::ifstream in(FileName);
  std::string line, group = "General";
  auto trim = [](std::string s) {
    size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
  };
  while (std::getline(in, line)) {
    line = trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      group = line.substr(1, line.size() - 2);
      continue;
    }
    size_t eq = line.find('=');
    if (group != "General" || eq == std::string::npos) continue;
    std::string value = trim(line.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    values[trim(line.substr(0, eq))] = value;
  }
  return values;
}

namespace {

// The settings file as a read-only key: whatever the settings rules would
// write is dropped, so the command-line tool never changes the user's settings.
class TReadOnlyIniStore final : public TSettingsStore {
 public:
  explicit TReadOnlyIniStore(const std::string& FileName) : FValues(ReadIniValues(FileName)) {}
  std::optional<std::string> ReadString(const std::string& Name) override {
    auto it = FValues.find(Name);
    if (it == FValues.end()) return std::nullopt;
    return it->second;
  }
  void WriteString(const std::string&, const std::string&) override {}
  std::vector<std::string> SubKeys() override { return {}; }
  void DeleteKey() override {}
  bool Flush() override { return false; }

 private:
  std::map<std::string, std::string> FValues;
};

// The folder of the running program, ending in '/'.
std::string ProgramFolder() {
  char path[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "/";
  std::string p(path, static_cast<size_t>(n));
  return p.substr(0, p.find_last_of('/') + 1);
}

}  // namespace

void LoadCliSettings() {
  if (Settings.InstallDir.empty()) Settings.InstallDir = ProgramFolder();
  TReadOnlyIniStore store(SettingsFileName());
  LoadSettings(store);
}
