#include "dictionary/DictionaryFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "dictionary/ParametersBox.h"
#include "dictionary/ProgressProcs.h"
#include "engine/ByteStream.h"

namespace {

uint8_t Upper(char C) {
  const auto b = static_cast<uint8_t>(C);
  return b >= 'a' && b <= 'z' ? static_cast<uint8_t>(b - 'a' + 'A') : b;
}

bool HasDictionaryExtension(const std::string& Name) {
  static constexpr char Ext[] = ".LXD";
  if (Name.size() < 4) return false;
  for (size_t i = 0; i < 4; ++i)
    if (Upper(Name[Name.size() - 4 + i]) != static_cast<uint8_t>(Ext[i])) return false;
  return true;
}

}  // namespace

bool NameLessUpper(const std::string& A, const std::string& B) {
  return std::lexicographical_compare(A.begin(), A.end(), B.begin(), B.end(),
                                      [](char x, char y) { return Upper(x) < Upper(y); });
}

std::string FirstDescriptionLine(const std::string& Description) {
  // Memos on this platform end lines with LF alone; CR LF comes from older files.
  const size_t end = Description.find_first_of("\r\n");
  if (end == std::string::npos) return Description;
  return Description.substr(0, end) + " ... ";
}

bool ReadDictFileEntry(const std::string& Path, TDictFileEntry& Entry) {
  Entry.Description.clear();
  Entry.Author.clear();
  Entry.Comment.clear();
  Entry.WordsCount = 0;
  std::unique_ptr<TFileStream> file = TFileStream::Open(Path, fmRead);
  if (!file) return false;
  TParametersBox box;
  box.ReadFrom(*file, true);  // a refused block stays empty: empty texts, count 0
  file.reset();
  TDictInfo info;
  GetDictInfo(&box, info);
  Entry.Description = info.Description;
  Entry.Author = info.Author;
  Entry.Comment = info.Comment;
  Entry.WordsCount = info.WordsCount;
  return true;
}

std::vector<TDictFileEntry> ScanDictionaryFolder(const std::string& Folder) {
  TProgressProcs& pp = ProgressProcs();
  pp.BeginProgressKeepForms("Exploring folder", 1);
  pp.ProgressStep("Searching for files.", 0, 0, 0);
  std::vector<TDictFileEntry> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(Folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (!HasDictionaryExtension(name)) continue;
    TDictFileEntry& e = found.emplace_back();
    e.Name = std::move(name);
    ReadDictFileEntry(Folder + e.Name, e);
    if (!pp.ProgressText("Dictionary files founded: " + std::to_string(found.size()))) break;
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const TDictFileEntry& a, const TDictFileEntry& b) { return NameLessUpper(a.Name, b.Name); });
  pp.EndProgress();
  return found;
}
