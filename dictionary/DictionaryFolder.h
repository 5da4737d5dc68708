#pragma once
// The dictionary files of one folder as the chooser lists them: name, count
// and description texts, read from each file's parameters block alone (a
// limited read), so that a folder of large dictionaries is listed quickly.

#include <cstdint>
#include <string>
#include <vector>

struct TDictFileEntry {
  std::string Name;  // without the folder
  std::string Description;
  std::string Author;
  std::string Comment;
  int32_t WordsCount = 0;  // as written at the last save, not counted
};

// Every *.lxd file of Folder (which ends in '/'), hidden ones included,
// sorted by name compared in ASCII upper case (equal names keep the order of
// the search). Reports through the progress operations ("Exploring folder");
// when ProgressText answers false the files found so far are returned.
// A file that cannot be read is listed with empty texts and a count of 0.
std::vector<TDictFileEntry> ScanDictionaryFolder(const std::string& Folder);

// What Entry shows without opening the file; false when it cannot be opened.
bool ReadDictFileEntry(const std::string& Path, TDictFileEntry& Entry);

// The first line of a description followed by " ... " when it has more.
std::string FirstDescriptionLine(const std::string& Description);

// Byte-wise comparison of the two names in ASCII upper case.
bool NameLessUpper(const std::string& A, const std::string& B);
