#pragma once
// The window-free half of the dictionary chooser: finding the dictionary
// files of a folder, describing each from its parameters block alone (the
// question table is never read, so a folder of large dictionaries lists
// quickly), the order of the list and the texts of its cells.

#include <functional>
#include <string>
#include <vector>

#include "dictionary/ParametersBox.h"

struct TDictFileEntry {
  std::string FileName;  // without the folder
  TDictInfo Info;        // all empty and 0 when the block cannot be read
};

// The description of one file from its parameters block, read with the
// 250-entry limit. A file that cannot be opened or whose block is refused
// gives empty texts and a count of 0.
TDictInfo ReadDictFileInfo(const std::string& Path);

// Whether Name ends in ".lxd", letter case ignored.
bool IsDictFileName(const std::string& Name);

// Lists the dictionary files of Folder (ending in the path separator) in the
// order the file system returns them. After each file OnFound gets the
// number listed so far; when it answers false the search stops there. A
// folder that does not exist or cannot be read gives no entries.
std::vector<TDictFileEntry> ScanDictFolder(const std::string& Folder,
                                           const std::function<bool(int Found)>& OnFound);

// Ascending by file name compared in upper case (ASCII letters); names equal
// in upper case keep their order.
void SortDictFiles(std::vector<TDictFileEntry>& Files);

// The grid's description cell: the text before the first CR LF followed by
// " ... " when the description has more lines.
std::string FirstDescriptionLine(const std::string& Description);

// The Count cell drawn in a column CellWidth pixels wide: the text itself
// when it fits in CellWidth - 4, otherwise a row of dots at least
// CellWidth - 8 wide. TextWidth measures a text in pixels.
std::string FitCountText(const std::string& Text, int CellWidth,
                         const std::function<int(const std::string&)>& TextWidth);

// The folder the chooser lists first: that of the dialog's file name, else
// that of the start-up dictionary, else the install folder's "Dicts".
std::string ChooserStartFolder(const std::string& FileName, const std::string& StartUpDict,
                               const std::string& InstallDir);

extern const char* const NoDictionaryFilesText;  // "No dictionary files"
