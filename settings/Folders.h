#pragma once
// Paths below the install folder, and their shown form with the folder
// replaced by the tag "<Lexidrill folder>".

#include <string>

constexpr char PathDelimiter = '/';
extern const char* const FolderTag;  // "<Lexidrill folder>"

// Path with '/' appended unless it already ends in one; "" gives "/".
std::string AddTrailingBackslash(const std::string& Path);

// The folder part of Path: up to and including its last '/'; "" when none.
std::string ExtractFilePath(const std::string& Path);

// Replace the first occurrence of InstallDir() in Path by the tag, or the
// tag by InstallDir(); both ignore the case of ASCII letters. A path
// without an occurrence comes back unchanged.
std::string PathToFolderTag(const std::string& Path);
std::string FolderTagToPath(const std::string& Path);

// Default files below the install folder.
std::string DefaultDictFile();             // InstallDir + "Dicts/lexidrill.lxd"
std::string DefaultSoundFile(int Index);   // InstallDir + "Sound/lexidrillsnd" + Index + ".wav"
std::string HelpFile();                    // InstallDir + "lexidrill.hlp"
