#include "dictionary/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every line the reader yields before its first failure.
std::vector<std::string> Lines(const std::string& Bytes) {
  TLineReader r(Bytes);
  std::vector<std::string> out;
  std::string line;
  while (r.ReadLine(line)) out.push_back(line);
  return out;
}

using V = std::vector<std::string>;

struct TLineCase {
  const char* Name;
  std::string Bytes;
  V Expected;
};

class ReadLineCases : public testing::TestWithParam<TLineCase> {};

TEST_P(ReadLineCases, YieldsTheLines) { EXPECT_EQ(Lines(GetParam().Bytes), GetParam().Expected); }

INSTANTIATE_TEST_SUITE_P(
    TextLines, ReadLineCases,
    testing::Values(TLineCase{"CrLf", "a\r\nbc\r\n", V{"a", "bc"}}, TLineCase{"LoneLf", "a\nbc\n", V{"a", "bc"}},
                    TLineCase{"Mixed", "a\r\nb\nc", V{"a", "b", "c"}},
                    TLineCase{"EmptyLinesInside", "\r\n\r\nx\r\n", V{"", "", "x"}},
                    TLineCase{"LoneCrStaysWithNextByte", "a\rb\r\nc\r\n", V{"a\rb", "c"}},
                    TLineCase{"CrCrLf", "a\r\r\n", V{"a\r\r"}},
                    TLineCase{"LastLineWithoutEnd", "a\r\nlast", V{"a", "last"}},
                    TLineCase{"LoneCrAsLastByteLosesLine", "a\r\nlast\r", V{"a"}}, TLineCase{"Empty", "", V{}},
                    TLineCase{"Utf8BomSkipped", "\xEF\xBB\xBFq\r\na\r\n", V{"q", "a"}},
                    TLineCase{"Utf16LeDecoded", std::string("\xFF\xFEq\0\r\0\n\0\xE4\0", 10), V{"q", "\xC3\xA4"}},
                    TLineCase{"Utf16BeDecoded", std::string("\xFE\xFF\0q\0\n\x20\xAC", 8), V{"q", "\xE2\x82\xAC"}},
                    TLineCase{"Utf16SurrogatePair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), V{"\xF0\x9F\x98\x80"}},
                    TLineCase{"Utf16BrokenSurrogate", std::string("\xFF\xFE\x3D\xD8", 4), V{"\xEF\xBF\xBD"}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(TextLines, LineLengthLimit) {
  const std::string s255(255, 'x'), s256(256, 'x');
  EXPECT_EQ(Lines(s255 + "\r\nnext\r\n"), (V{s255, "next"}));
  EXPECT_EQ(Lines("first\r\n" + s256 + "\r\nnext\r\n"), (V{"first"}));
  EXPECT_EQ(Lines(s256), V{});
  // A CR pair needs two bytes of room: 253 bytes plus CR x fit, 254 do not.
  EXPECT_EQ(Lines(std::string(253, 'y') + "\rz\r\n"), (V{std::string(253, 'y') + "\rz"}));
  EXPECT_EQ(Lines(std::string(254, 'y') + "\rz\r\n"), V{});
}

TEST(TextLines, IntegerLines) {
  struct TCase {
    std::string Line;
    bool Ok;
    int32_t Value;
  };
  const TCase cases[] = {{"0", true, 0},           {"17", true, 17},        {"-3", true, -3},
                         {"+5", true, 5},          {"2147483647", true, INT32_MAX},
                         {"-2147483648", true, INT32_MIN},                 {"2147483648", false, 0},
                         {"", false, 0},           {"+", false, 0},         {"-", false, 0},
                         {"+-1", false, 0},        {"1x", false, 0},        {" 1", false, 0},
                         {"abc", false, 0}};
  for (const TCase& c : cases) {
    TLineReader r(c.Line + "\r\n");
    int32_t v = 99;
    EXPECT_EQ(r.ReadIntegerLine(v), c.Ok) << c.Line;
    if (c.Ok) {
      EXPECT_EQ(v, c.Value) << c.Line;
    }
  }
}

TEST(TextLines, WriterEndsLinesWithCrLfAndReportsWriteErrors) {
  const std::string name = testing::TempDir() + "lines_writer.txt";
  TLineWriter w;
  ASSERT_TRUE(w.Open(name));
  EXPECT_TRUE(w.WriteLine("one"));
  EXPECT_TRUE(w.WriteLine(""));
  EXPECT_TRUE(w.Close());
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(name, bytes));
  EXPECT_EQ(bytes, "one\r\n\r\n");

  TLineWriter full;
  ASSERT_TRUE(full.Open("/dev/full"));
  full.WriteLine("lost");
  EXPECT_FALSE(full.Close());
  EXPECT_FALSE(TLineWriter().Open(testing::TempDir() + "no/such/folder/x.txt"));
}

}  // namespace
