#include "dictionary/DictionaryFolder.h"

#include <gtest/gtest.h>

#include "DictFixture.h"

namespace {

TEST(DictionaryFolder, FirstDescriptionLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"one line", "one line"},
      {"first\r\nsecond", "first ... "},
      {"first\nsecond\nthird", "first ... "},
      {"\r\nafter an empty line", " ... "},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(FirstDescriptionLine(text), shown) << text;
}

TEST(DictionaryFolder, NamesCompareInAsciiUpperCaseByteByByte) {
  EXPECT_TRUE(NameLessUpper("A.lxd", "b.lxd"));
  EXPECT_TRUE(NameLessUpper("b.lxd", "C.lxd"));
  EXPECT_FALSE(NameLessUpper("a.lxd", "A.lxd"));
  EXPECT_FALSE(NameLessUpper("A.lxd", "a.lxd"));
  EXPECT_TRUE(NameLessUpper("z.lxd", "_.lxd"));  // 'Z' 0x5A before '_' 0x5F, though 'z' is after it
  EXPECT_TRUE(NameLessUpper("ab", "abc"));
  EXPECT_TRUE(NameLessUpper("z", "\xc3\xa9"));  // bytes above 0x7F stay as they are
}

class DictionaryFolderScan : public DictTest {};

TEST_F(DictionaryFolderScan, ListsDictionaryFilesOnlyWithTheirBlocks) {
  MakeDict("b.lxd", 3);
  MakeDict("A.LXD", 17);
  MakeDict(".hidden.lxd", 1);
  MakeDict("a.lxd.bak", 2);
  WriteFile(Path("broken.lxd"), "nothing");
  std::filesystem::create_directory(Path("dir.lxd"));
  const std::vector<TDictFileEntry> found = ScanDictionaryFolder(Dir.string() + "/");
  std::vector<std::pair<std::string, int32_t>> listed;
  for (const auto& e : found) listed.emplace_back(e.Name, e.WordsCount);
  EXPECT_EQ(listed, (std::vector<std::pair<std::string, int32_t>>{
                        {".hidden.lxd", 1}, {"A.LXD", 17}, {"b.lxd", 3}, {"broken.lxd", 0}}));
  EXPECT_TRUE(ScanDictionaryFolder(Dir.string() + "/missing/").empty());
}

}  // namespace
