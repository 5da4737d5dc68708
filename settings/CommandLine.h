#pragma once
// The command line: the silent switch "/ORBISK" (any case, anywhere, any
// number of times) and a dictionary file to open instead of StartUpDict (the
// first argument that ends in ".lxd", any case, and names an existing file).

#include <functional>
#include <string>
#include <vector>

struct TCommandLine {
  bool SilentMode = false;
  std::string Dict;  // as given, in its own case; empty when none
};

// Parses Args (without the program name). FileExists is asked only for
// arguments with the ".lxd" extension.
TCommandLine ParseArguments(const std::vector<std::string>& Args, const std::function<bool(const std::string&)>& FileExists);

// The arguments ParseCommandLine reads; the program entry sets them before
// start-up.
void SetCommandLineArguments(std::vector<std::string> Args);

// Parses the arguments set above once per process; later calls do nothing.
void ParseCommandLine();

// Whether the silent switch was given: no progress windows, the other about
// box. Parses the command line first.
bool IsSilentMode();

// The dictionary named on the command line, empty when none.
const std::string& CommandLineDict();

// Set when an old settings layout was wiped at start-up: the dictionary
// chooser then cannot be cancelled. The chooser clears it when it closes.
extern bool MustChooseDictionary;

// Forgets the parsed command line, so that the next query parses again. For
// tests, which run start-up many times in one process.
void ResetCommandLine();
