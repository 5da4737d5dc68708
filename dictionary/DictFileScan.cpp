#include "dictionary/DictFileScan.h"

#include "engine/ByteStream.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

const char* const NoDictionaryFilesText = "No dictionary files";

namespace {

std::string UpperAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// Up to and including the last separator.
std::string FolderPart(const std::string& Path) {
  const size_t slash = Path.rfind('/');
  return slash == std::string::npos ? std::string() : Path.substr(0, slash + 1);
}

}  // namespace

TDictInfo ReadDictFileInfo(const std::string& Path) {
  TDictInfo Info;
  std::unique_ptr<TFileStream> in = TFileStream::Open(Path, fmRead);
  if (!in) {
    GetDictInfo(nullptr, Info);
    return Info;
  }
  TParametersBox box;
  box.ReadFrom(*in, true);  // a refused block leaves the box empty
  GetDictInfo(&box, Info);
  return Info;
}

bool IsDictFileName(const std::string& Name) {
  return Name.size() > 4 && UpperAscii(Name.substr(Name.size() - 4)) == ".LXD";
}

std::vector<TDictFileEntry> ScanDictFolder(const std::string& Folder,
                                           const std::function<bool(int Found)>& OnFound) {
  namespace fs = std::filesystem;
  std::vector<TDictFileEntry> files;
  std::error_code ec;
  fs::directory_iterator it(fs::path(Folder), fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::error_code typeError;
    if (!IsDictFileName(name) || !it->is_regular_file(typeError)) continue;
    files.push_back({name, ReadDictFileInfo(Folder + name)});
    if (OnFound && !OnFound(static_cast<int>(files.size()))) break;
  }
  return files;
}

void SortDictFiles(std::vector<TDictFileEntry>& Files) {
  std::vector<std::string> keys;
  std::vector<size_t> order(Files.size());
  keys.reserve(Files.size());
  for (size_t i = 0; i < Files.size(); ++i) {
    keys.push_back(UpperAscii(Files[i].FileName));
    order[i] = i;
  }
  // Byte-wise, as the names are stored; std::string compares char, which may be signed.
  auto less = [&keys](size_t a, size_t b) {
    const std::string& x = keys[a];
    const std::string& y = keys[b];
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char l, char r) {
      return static_cast<unsigned char>(l) < static_cast<unsigned char>(r);
    });
  };
  std::stable_sort(order.begin(), order.end(), less);
  std::vector<TDictFileEntry> sorted;
  sorted.reserve(Files.size());
  for (size_t i : order) sorted.push_back(std::move(Files[i]));
  Files = std::move(sorted);
}

std::string FirstDescriptionLine(const std::string& Description) {
  size_t crlf = Description.find("\r\n");
  if (crlf == std::string::npos) return Description;
  return Description.substr(0, crlf) + " ... ";
}

std::string FitCountText(const std::string& Text, int CellWidth,
                         const std::function<int(const std::string&)>& TextWidth) {
  if (TextWidth(Text) <= CellWidth - 4) return Text;
  std::string dots = ".";
  // The length bound keeps a zero-width measure from looping for ever.
  while (TextWidth(dots) < CellWidth - 8 && static_cast<int>(dots.size()) < std::max(CellWidth, 1))
    dots += '.';
  return dots;
}

std::string ChooserStartFolder(const std::string& FileName, const std::string& StartUpDict,
                               const std::string& InstallDir) {
  std::string folder = FolderPart(FileName);
  if (folder.empty()) folder = FolderPart(StartUpDict);
  if (folder.empty()) folder = InstallDir + "Dicts";
  return folder;
}
