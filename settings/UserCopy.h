#pragma once
// A dictionary keeps its statistics in itself, so one in a folder the user
// cannot write (a system-wide installation, a shared folder) could never be
// saved: every session's progress would be lost. Such a dictionary is copied
// once into the user's own data folder, and the copy is the one opened and
// saved from then on.

#include <functional>
#include <string>

// Whether files can be created in Folder ("" is the current folder).
bool FolderIsWritable(const std::string& Folder);

// $XDG_DATA_HOME/Kelvane/Lexidrill/ (by default ~/.local/share/...), ending in '/'.
std::string UserDictionaryFolder();

// FileName itself when its folder can be written or the file does not
// exist; otherwise the user's copy, at the same path below
// UserDictionaryFolder(), made now (and told once) when there is none yet.
// FileName when no copy can be made.
std::string DictionaryToOpen(const std::string& FileName,
                             const std::function<bool(const std::string& Folder)>& CanWrite = FolderIsWritable);
