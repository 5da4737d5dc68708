#include "dictionary/TextLines.h"

#include <charconv>
#include <fstream>

namespace {

void AppendUtf8(std::string& Out, uint32_t c) {
  if (c < 0x80) {
    Out += static_cast<char>(c);
  } else if (c < 0x800) {
    Out += static_cast<char>(0xC0 | (c >> 6));
    Out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    Out += static_cast<char>(0xE0 | (c >> 12));
    Out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (c >> 18));
    Out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string Utf16ToUtf8(std::string_view Bytes, bool BigEndian) {
  constexpr uint32_t Replacement = 0xFFFD;
  std::string out;
  out.reserve(Bytes.size());
  auto unit = [&](size_t i) -> uint32_t {
    auto b0 = static_cast<uint8_t>(Bytes[i]), b1 = static_cast<uint8_t>(Bytes[i + 1]);
    return BigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
  };
  size_t i = 0;
  for (; i + 1 < Bytes.size(); i += 2) {
    uint32_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00) {
      if (i + 3 < Bytes.size()) {
        uint32_t lo = unit(i + 2);
        if (lo >= 0xDC00 && lo < 0xE000) {
          AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00));
          i += 2;
          continue;
        }
      }
      AppendUtf8(out, Replacement);
    } else if (u >= 0xDC00 && u < 0xE000) {
      AppendUtf8(out, Replacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  if (i < Bytes.size()) AppendUtf8(out, Replacement);  // odd trailing byte
  return out;
}

TLineReader::TLineReader(std::string Bytes) : FText(std::move(Bytes)) {
  auto starts = [&](std::string_view Mark) { return FText.compare(0, Mark.size(), Mark) == 0; };
  if (starts("\xEF\xBB\xBF")) {
    FPos = 3;
  } else if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
    bool big = FText[0] == '\xFE';
    FText = Utf16ToUtf8(std::string_view(FText).substr(2), big);
  }
}

bool TLineReader::ReadLine(std::string& Line) {
  Line.clear();
  const size_t n = FText.size();
  if (FPos >= n) return false;
  const char* t = FText.data();
  while (FPos < n) {
    // The bytes up to the next CR or LF go in as one piece.
    size_t end = FPos;
    while (end < n && t[end] != '\n' && t[end] != '\r') ++end;
    if (end > FPos) {
      const size_t room = MaxLineLength - Line.size();
      if (end - FPos > room) {  // too long: stopped where the byte over the limit is
        Line.append(t + FPos, room);
        FPos += room;
        return false;
      }
      Line.append(t + FPos, end - FPos);
      FPos = end;
      if (FPos >= n) break;
    }
    if (t[FPos] == '\n') {
      ++FPos;
      return true;
    }
    if (FPos + 1 >= n) {
      FPos = n;
      return false;  // a CR as the very last byte loses the line
    }
    const char next = t[FPos + 1];
    FPos += 2;
    if (next == '\n') return true;
    if (Line.size() > MaxLineLength - 2) return false;
    Line += '\r';
    Line += next;
  }
  return !Line.empty();
}

bool TLineReader::ReadIntegerLine(int32_t& Value) {
  std::string line;
  if (!ReadLine(line)) return false;
  const char* first = line.data();
  const char* last = first + line.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') return false;
  }
  int32_t v = 0;
  auto [ptr, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || ptr != last) return false;
  Value = v;
  return true;
}

bool ReadWholeFile(const std::string& FileName, std::string& Bytes) {
  std::ifstream in(FileName, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size < 0) return false;
  in.seekg(0, std::ios::beg);
  Bytes.resize(static_cast<size_t>(size));
  if (size > 0 && !in.read(Bytes.data(), size)) return false;
  return true;
}

TLineWriter::~TLineWriter() { Close(); }

bool TLineWriter::Open(const std::string& FileName) {
  Close();
  FFailed = false;
  FFile = std::fopen(FileName.c_str(), "wb");
  if (FFile) std::setvbuf(FFile, nullptr, _IOFBF, 1 << 16);
  return FFile != nullptr;
}

bool TLineWriter::WriteLine(std::string_view Text) {
  if (!FFile || FFailed) return false;
  if (std::fwrite(Text.data(), 1, Text.size(), FFile) != Text.size() || std::fwrite("\r\n", 1, 2, FFile) != 2 ||
      std::ferror(FFile)) {
    FFailed = true;
  }
  return !FFailed;
}

bool TLineWriter::Close() {
  if (!FFile) return !FFailed;
  if (std::fclose(FFile) != 0) FFailed = true;
  FFile = nullptr;
  return !FFailed;
}
