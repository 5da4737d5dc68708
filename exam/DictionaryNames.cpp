#include "exam/DictionaryNames.h"

#include <algorithm>

namespace {
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string WithDictionaryExtension(const std::string& FileName) {
  const size_t slash = FileName.rfind('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (FileName.find('.', nameStart) != std::string::npos) return FileName;
  return FileName + ".lxd";
}

bool SameDictionaryName(const std::string& A, const std::string& B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char a, char b) { return Upper(a) == Upper(b); });
}
