#include "cli/CliSettings.h"

#include <cstdlib>
#include <fstream>

#include <unistd.h>

#include <cctype>
#include <climits>
#include <optional>

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

namespace {

void AppendCodePoint(std::string& Out, uint32_t C) {
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | (C >> 6));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    Out += static_cast<char>(0xE0 | (C >> 12));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

// A value as Qt writes it in an INI file: optionally quoted, with C-style
// escapes (\n, \t, \", \\, \xHHHH). Nothing when it is a list (an unquoted
// comma), which the settings read as missing.
std::optional<std::string> IniValue(const std::string& Raw) {
  std::string out;
  bool quoted = false;
  for (size_t i = 0; i < Raw.size(); ++i) {
    char c = Raw[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      return std::nullopt;
    } else if (c == '\\' && i + 1 < Raw.size()) {
      char e = Raw[++i];
      switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'a': out += '\a'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'v': out += '\v'; break;
        case '0': out += '\0'; break;
        case 'x': {
          uint32_t code = 0;
          size_t n = 0;
          while (n < 4 && i + 1 < Raw.size() && std::isxdigit(static_cast<unsigned char>(Raw[i + 1]))) {
            code = code * 16 + static_cast<uint32_t>(std::stoi(std::string(1, Raw[++i]), nullptr, 16));
            ++n;
          }
          AppendCodePoint(out, code);
          break;
        }
        default: out += e;
      }
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::map<std::string, std::string> ReadIniValues(const std::string& FileName) {
  std::map<std::string, std::string> values;
  std::ifstream in(FileName);
  std::string line, group = "General";
  auto trim = [](const std::string& s) {
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
    if (auto value = IniValue(trim(line.substr(eq + 1)))) values[trim(line.substr(0, eq))] = *value;
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
