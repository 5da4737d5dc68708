#pragma once
// The named-value block at the start of every dictionary file: one table of
// (name, value) texts. Values are raw bytes; integers (4 bytes little-endian)
// and long texts (cut into 255-byte pieces under NAME + PieceSeparator + n)
// are laid on top. Names are always stored normalised (trimmed, ASCII upper
// case), so every operation normalises the name it is given.

#include <cstdint>
#include <string>
#include <string_view>

class TRecordTable;
class TByteStream;

class TParametersBox {
 public:
  // Underscore, 1, 2, 1, underscore: between a long text's name and its piece number.
  static constexpr std::string_view PieceSeparator{"_\x01\x02\x01_", 5};
  // Most entries a limited read accepts (the chooser reads many files quickly).
  static constexpr int32_t LimitedEntries = 250;

  TParametersBox();
  ~TParametersBox();
  TParametersBox(const TParametersBox&) = delete;
  TParametersBox& operator=(const TParametersBox&) = delete;

  // Drops every entry.
  void Reset();
  // Replaces the block by the table file at the stream's position. A stream
  // that holds no table of the two-text structure leaves an empty block and
  // returns false; on success the stream stands after the block. Shows nothing.
  bool ReadFrom(TByteStream& Stream, bool Limited);
  // Writes the block packed at the stream's position; false when a write failed.
  bool WriteTo(TByteStream& Stream);

  static std::string NormalizeName(std::string_view Name, size_t MaxLen = 255);

  std::string ReadValue(std::string_view Name, std::string_view Default) const;
  // Replaces the entry of Name; false when the table refused the new entry
  // (the earlier value is gone by then). Values longer than 255 bytes are cut.
  bool WriteValue(std::string_view Name, std::string_view Value);
  int32_t ReadInteger(std::string_view Name, int32_t Default) const;
  bool WriteInteger(std::string_view Name, int32_t Value);
  // A long text; Default only when the piece count is absent or negative.
  std::string ReadText(std::string_view Name, std::string_view Default) const;
  bool WriteText(std::string_view Name, std::string_view Text);

  int32_t EntryCount() const;

  // Owned; never null while the object lives.
  TRecordTable* ParamTable = nullptr;
};

// The description of a dictionary as dialogs see it.
struct TDictInfo {
  std::string Description;
  std::string Author;  // at most 255 bytes
  std::string Comment;
  int32_t NTK = 0;
  int32_t UTK = 0;
  int32_t WordsCount = 0;
};

// Clears Info, then (unless Box is null) fills it from the block.
void GetDictInfo(const TParametersBox* Box, TDictInfo& Info);
