#pragma once
// Lines of the import and export text files: bytes ended by CR LF, written
// and read byte for byte without any change of character set. The reader
// also ends a line at a lone LF (files written on Linux); a CR followed by
// anything else stays in the line with the byte after it.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// The longest line the reader accepts.
constexpr size_t MaxLineLength = 255;

// Reads lines from a whole text held in memory.
class TLineReader {
 public:
  // Takes the file's bytes; a UTF-8 byte-order mark is skipped and a text
  // that starts with a UTF-16 byte-order mark is decoded to UTF-8 first.
  explicit TLineReader(std::string Bytes);

  // False at the end of the text, for a line longer than MaxLineLength and
  // for a CR that is the very last byte of the text.
  bool ReadLine(std::string& Line);
  // A line holding a decimal 32-bit integer with an optional sign.
  bool ReadIntegerLine(int32_t& Value);

 private:
  std::string FText;
  size_t FPos = 0;
};

// UTF-16 (either byte order, after its byte-order mark) to UTF-8; a broken
// surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view Bytes, bool BigEndian);

// The whole file into Bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& FileName, std::string& Bytes);

// Writes CR LF lines to a new file (an existing one is overwritten).
class TLineWriter {
 public:
  TLineWriter() = default;
  ~TLineWriter();
  TLineWriter(const TLineWriter&) = delete;
  TLineWriter& operator=(const TLineWriter&) = delete;

  bool Open(const std::string& FileName);
  bool WriteLine(std::string_view Text);
  // Flushes and closes; false when any write since Open failed.
  bool Close();

 private:
  std::FILE* FFile = nullptr;
  bool FFailed = false;
};
