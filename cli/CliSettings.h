#pragma once
// The settings lexidrill-cli uses: read from the program's settings file,
// never written.

#include <map>
#include <string>

// The file the program keeps its settings in: $XDG_CONFIG_HOME (default
// ~/.config) + "/Kelvane/Lexidrill.ini".
std::string SettingsFileName();

// The top-level values (Qt writes them under [General]) of an INI file;
// empty when the file cannot be read.
std::map<std::string, std::string> ReadIniValues(const std::string& FileName);

// Fills Settings from the settings file.
void LoadCliSettings();
