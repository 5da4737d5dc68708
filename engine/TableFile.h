#pragma once
// The table file: the persisted form of one TRecordTable. Reader and writer
// live side by side in TableFile.cpp. Layout (integers little-endian):
//
//   magic        4   length-prefixed "BVR": 03 42 56 52     (absent in version 0)
//   version      1   4 when written                          (absent in version 0)
//   StructureDef 1+L length-prefixed
//   IndexDef     1+M length-prefixed
//   Capacity     4   signed (2 unsigned before version 3)
//   "Created"    7                                            (absent in version 0)
//   GrowthStep   4   signed (2 unsigned before version 3)
//   "by"         2                                            (absent in version 0)
//   RecordCount  4   signed (2 unsigned before version 3)
//   signature    16  "Zubrovel Kantrix"                       (absent in version 0)
//   Flags        4   bit 0 packed, bit 1 width survey         (version 4 and above)
//   widths       2 per fcLongInt field, only with the width-survey bit
//   records      RecordCount x (fixed block, then the owned values in field order)
//   terminator   1   0xFF
//
// Fixed block: every field at its size, each reference field as a 4-byte slot
// (fcTextRef and fcPointer slots are written as zero and read back as nil);
// packed blocks leave out the slots of fcText, fcTable and fcCText.
// Owned values: fcText length byte + bytes; fcTable a 16-bit marker (254 none,
// 240 a nested table file follows, 255 an object of another kind); fcCText a
// signed 32-bit length + bytes, without the zero.

#include <cstdint>
#include <vector>

class TRecordTable;

namespace TableFile {

constexpr uint8_t Magic[4] = {0x03, 'B', 'V', 'R'};
constexpr uint8_t WrittenVersion = 4;
constexpr char Created[] = "Created";          // 7 bytes on file
constexpr char By[] = "by";                    // 2 bytes on file
constexpr char Signature[] = "Zubrovel Kantrix";  // 16 bytes on file
constexpr uint8_t Terminator = 0xFF;
constexpr uint16_t NoTable = 254;
constexpr uint16_t TableFollows = 240;
constexpr uint16_t ForeignObject = 255;
constexpr uint32_t SlotSize = 4;
// Nested tables deeper than this are read as no table (a corrupt file could
// otherwise nest until the stack runs out).
constexpr int MaxNesting = 32;

// Where each field's bytes sit in a fixed block on file.
struct TBlockLayout {
  struct TRun {
    uint32_t File, Mem, Len;  // a stretch of value fields copied as is
  };
  std::vector<TRun> Runs;
  std::vector<uint16_t> RefOffsets;  // in-memory offsets of every reference field
  uint32_t FileSize = 0;
  static TBlockLayout Of(const TRecordTable& T, bool Packed);
};

// Width class of one fcLongInt field over Values (the width-survey block).
uint16_t WidthClass(const std::vector<int32_t>& Values);

}  // namespace TableFile
