#include "dictionary/ParametersBox.h"

#include <gtest/gtest.h>

#include "engine/ByteStream.h"

namespace {

const std::string Sep(TParametersBox::PieceSeparator);

TMemoryStream StreamOf(const std::string& Bytes) { return TMemoryStream(std::vector<uint8_t>(Bytes.begin(), Bytes.end())); }
std::string BytesOf(const TMemoryStream& S) { return std::string(S.Bytes().begin(), S.Bytes().end()); }

TEST(ParametersBox, NormalizesNames) {
  struct TCase {
    std::string In, Out;
  };
  const TCase cases[] = {{"  author ", "AUTHOR"},
                         {"\x01\t mixed Case\x20\x1F", "MIXED CASE"},
                         {"\xC3\xA4x", "\xC3\xA4X"},  // only ASCII letters change
                         {"", ""},
                         {std::string(300, 'a'), std::string(255, 'A')}};
  for (const TCase& c : cases) EXPECT_EQ(TParametersBox::NormalizeName(c.In), c.Out) << c.In;
  EXPECT_EQ(TParametersBox::NormalizeName("abcdef", 3), "ABC");
}

TEST(ParametersBox, ValuesAreFoundUnderTheNormalizedName) {
  TParametersBox box;
  EXPECT_TRUE(box.WriteValue("Author", "Jo"));
  EXPECT_EQ(box.ReadValue("  author ", "none"), "Jo");
  EXPECT_EQ(box.ReadValue("AUTHOR", "none"), "Jo");
  EXPECT_EQ(box.ReadValue("authors", "none"), "none");
  EXPECT_TRUE(box.WriteValue("AUTHOR", "Ann"));
  EXPECT_EQ(box.ReadValue("author", ""), "Ann");
  EXPECT_EQ(box.EntryCount(), 1);
}

TEST(ParametersBox, IntegersAreFourLittleEndianBytes) {
  TParametersBox box;
  box.WriteInteger("NTK", -2);
  EXPECT_EQ(box.ReadValue("NTK", ""), std::string("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(box.ReadInteger("ntk", 3), -2);
  box.WriteValue("RAW", "ABCD");
  EXPECT_EQ(box.ReadInteger("RAW", 7), 0x44434241);
  for (const char* other : {"", "ABC", "ABCDE"}) {
    box.WriteValue("RAW", other);
    EXPECT_EQ(box.ReadInteger("RAW", 7), 7) << other;
  }
  EXPECT_EQ(box.ReadInteger("MISSING", 5), 5);
}

TEST(ParametersBox, LongTextsArePieces) {
  struct TCase {
    size_t Length;
    int Pieces;
  };
  for (TCase c : {TCase{0, 0}, TCase{1, 1}, TCase{255, 1}, TCase{256, 2}, TCase{600, 3}}) {
    TParametersBox box;
    std::string text;
    for (size_t i = 0; i < c.Length; ++i) text += static_cast<char>('a' + i % 26);
    ASSERT_TRUE(box.WriteText("description", text));
    EXPECT_EQ(box.ReadInteger("DESCRIPTION" + Sep, -1), c.Pieces) << c.Length;
    EXPECT_EQ(box.EntryCount(), 1 + c.Pieces) << c.Length;
    for (int i = 1; i <= c.Pieces; ++i) {
      size_t size = std::min<size_t>(255, c.Length - static_cast<size_t>(i - 1) * 255);
      EXPECT_EQ(box.ReadValue("DESCRIPTION" + Sep + std::to_string(i), "?"), text.substr((i - 1) * 255, size));
    }
    EXPECT_EQ(box.ReadText("Description", "default"), text) << c.Length;
  }
}

TEST(ParametersBox, RewritingATextLeavesNoOldPieceAndNoOtherEntryLost) {
  TParametersBox box;
  box.WriteValue("COMMENT_2", "keep");  // sorts after the pieces of COMMENT
  box.WriteValue("COMMENTS", "keep too");
  box.WriteText("COMMENT", std::string(600, 'x'));
  box.WriteText("COMMENT", "ten chars!");
  EXPECT_EQ(box.ReadText("COMMENT", ""), "ten chars!");
  EXPECT_EQ(box.ReadInteger("COMMENT" + Sep, -1), 1);
  EXPECT_EQ(box.ReadValue("COMMENT" + Sep + "2", "gone"), "gone");
  EXPECT_EQ(box.ReadValue("COMMENT_2", ""), "keep");
  EXPECT_EQ(box.ReadValue("COMMENTS", ""), "keep too");
  EXPECT_EQ(box.EntryCount(), 4);
  box.WriteText("COMMENT", "");
  EXPECT_EQ(box.ReadText("COMMENT", "default"), "");
  EXPECT_EQ(box.EntryCount(), 3);
}

TEST(ParametersBox, TextDefaultsWhenCountAbsentOrNegative) {
  TParametersBox box;
  EXPECT_EQ(box.ReadText("X", "dflt"), "dflt");
  box.WriteInteger("X" + Sep, -1);
  EXPECT_EQ(box.ReadText("X", "dflt"), "dflt");
  box.WriteInteger("X" + Sep, 2);  // a missing piece counts as empty
  box.WriteValue("X" + Sep + "2", "end");
  EXPECT_EQ(box.ReadText("X", "dflt"), "end");
}

TEST(ParametersBox, DictInfo) {
  TDictInfo info;
  info.Author = "stale";
  GetDictInfo(nullptr, info);
  EXPECT_EQ(info.Author, "");
  EXPECT_EQ(info.NTK, 0);
  EXPECT_EQ(info.UTK, 0);
  TParametersBox box;
  GetDictInfo(&box, info);
  EXPECT_EQ(info.Description, "");
  EXPECT_EQ(info.NTK, 3);
  EXPECT_EQ(info.UTK, 3);
  EXPECT_EQ(info.WordsCount, 0);
  box.WriteText("DESCRIPTION", "d\r\ne");
  box.WriteValue("AUTHOR", "au");
  box.WriteText("COMMENT", "co");
  box.WriteInteger("NTK", 5);
  box.WriteInteger("UTK", 6);
  box.WriteInteger("WORDSCOUNT", 40);
  GetDictInfo(&box, info);
  EXPECT_EQ(info.Description, "d\r\ne");
  EXPECT_EQ(info.Author, "au");
  EXPECT_EQ(info.Comment, "co");
  EXPECT_EQ(info.NTK, 5);
  EXPECT_EQ(info.UTK, 6);
  EXPECT_EQ(info.WordsCount, 40);
}

TEST(ParametersBox, WritesTheTableFileLayout) {
  TParametersBox box;
  box.WriteValue("A", "B");
  TMemoryStream out;
  ASSERT_TRUE(box.WriteTo(out));
  const std::string expected = std::string("\x03" "BVR\x04\x02\x0C\x0C\x02\xFF\x00\x03\x00\x00\x00", 15) + "Created" +
                               std::string("\x03\x00\x00\x00", 4) + "by" + std::string("\x01\x00\x00\x00", 4) +
                               "Zubrovel Kantrix" + std::string("\x01\x00\x00\x00\x01" "A\x01" "B\xFF", 9);
  EXPECT_EQ(BytesOf(out), expected);
  EXPECT_EQ(expected.size(), 57u);
}

TEST(ParametersBox, ReadsBackWhatItWrote) {
  TParametersBox box;
  box.WriteText("DESCRIPTION", std::string(300, 'd'));
  box.WriteValue("UNKNOWN", "kept");
  TMemoryStream s;
  box.WriteTo(s);
  s.Write("after", 5);
  s.Seek(0);
  TParametersBox back;
  ASSERT_TRUE(back.ReadFrom(s, false));
  EXPECT_EQ(back.ReadText("DESCRIPTION", ""), std::string(300, 'd'));
  EXPECT_EQ(back.ReadValue("UNKNOWN", ""), "kept");
  char rest[6] = {};
  EXPECT_EQ(s.Read(rest, 5), 5u);
  EXPECT_STREQ(rest, "after");
}

TEST(ParametersBox, LimitedReadTakesAtMost250Entries) {
  for (int count : {250, 251}) {
    TParametersBox box;
    for (int i = 0; i < count; ++i) box.WriteValue("N" + std::to_string(i), "v");
    TMemoryStream s;
    box.WriteTo(s);
    s.Seek(0);
    TParametersBox limited;
    limited.WriteValue("OLD", "x");
    EXPECT_EQ(limited.ReadFrom(s, true), count == 250);
    EXPECT_EQ(limited.EntryCount(), count == 250 ? 250 : 0);
    s.Seek(0);
    TParametersBox full;
    EXPECT_TRUE(full.ReadFrom(s, false));
    EXPECT_EQ(full.EntryCount(), count);
  }
}

TEST(ParametersBox, RefusesWhatIsNoParametersBlock) {
  // A table of another structure (one 32-bit field) and plain garbage.
  const std::string otherTable = std::string("\x03" "BVR\x04\x01\x04\x02\xFF\x00\x03\x00\x00\x00", 14) + "Created" +
                                 std::string("\x03\x00\x00\x00", 4) + "by" + std::string("\x01\x00\x00\x00", 4) +
                                 "Zubrovel Kantrix" + std::string("\x01\x00\x00\x00\x07\x00\x00\x00\xFF", 9);
  for (const std::string& bytes : {otherTable, std::string("not a table at all"), std::string()}) {
    TMemoryStream s = StreamOf(bytes);
    TParametersBox box;
    box.WriteValue("OLD", "x");
    EXPECT_FALSE(box.ReadFrom(s, false));
    EXPECT_EQ(box.EntryCount(), 0);
    EXPECT_TRUE(box.WriteValue("NEW", "y"));  // an empty block stays usable
  }
}

}  // namespace
