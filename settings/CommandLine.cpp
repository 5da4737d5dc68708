#include "settings/CommandLine.h"

#include <filesystem>

bool MustChooseDictionary = false;

namespace {

struct TCommandLineState {
  std::vector<std::string> Args;
  bool Parsed = false;
  TCommandLine Result;
};

TCommandLineState& State() {
  static TCommandLineState state;
  return state;
}

std::string AsciiUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// From the last '.' of the file name part, the dot included; "" when none.
std::string Extension(const std::string& Path) {
  std::size_t dot = Path.rfind('.');
  std::size_t slash = Path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return Path.substr(dot);
}

bool IsExistingFile(const std::string& Path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(Path, ec);
}

}  // namespace

TCommandLine ParseArguments(const std::vector<std::string>& Args,
                            const std::function<bool(const std::string&)>& FileExists) {
  TCommandLine r;
  for (const std::string& arg : Args) {
    const std::string upper = AsciiUpper(arg);
    if (upper == "/ORBISK")
      r.SilentMode = true;
    else if (r.Dict.empty() && Extension(upper) == ".LXD" && FileExists(arg))
      r.Dict = arg;
  }
  return r;
}

void SetCommandLineArguments(std::vector<std::string> Args) { State().Args = std::move(Args); }

void ParseCommandLine() {
  TCommandLineState& s = State();
  if (s.Parsed) return;
  s.Parsed = true;
  s.Result = ParseArguments(s.Args, IsExistingFile);
}

bool IsSilentMode() {
  ParseCommandLine();
  return State().Result.SilentMode;
}

const std::string& CommandLineDict() { return State().Result.Dict; }

void ResetCommandLine() {
  TCommandLineState& s = State();
  s.Parsed = false;
  s.Result = {};
  MustChooseDictionary = false;
}
