#pragma once
// TRecordTable: fixed-size records typed by one-byte field codes, kept in one
// or more sorted indexes built from two definition strings. Index 0 is the
// order in which records are enumerated and saved.
//
// A record is a block of RecordSize() bytes; field i starts at FieldOffset(i),
// no alignment (use the helpers of ByteCoding.h). Reference fields (codes 12
// to 16) hold an 8-byte pointer or nil. The table owns the values of fcText
// (NewText), fcTable (a TRecordTable) and fcCText (NewCText) fields: Add and
// Insert take them over, Detach hands them back, Delete, Clear and the
// destructor release them. fcTextRef and fcPointer values are borrowed.
//
// Positions and the order of equal keys are those of a plain bisection over a
// sorted array (see Find); behind each index sits a chunked order-statistics
// sequence so that insertion, removal and locating a record stay logarithmic
// even for a million records with equal keys.
//
// Failures are reported by results (false, nil); nothing throws.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/OwnedText.h"
#include "engine/PositionIndex.h"

class TByteStream;

using TProgressStartProc = std::function<void(int32_t Total)>;
using TProgressStepProc = std::function<void()>;

enum TFieldCode : uint8_t {
  fcByte = 0,      // 1, unsigned
  fcShortInt = 1,  // 1, signed
  fcWord = 2,      // 2, unsigned
  fcSmallInt = 3,  // 2, signed
  fcLongInt = 4,   // 4, signed
  fcDouble = 5,    // 8, IEEE double
  fcSingle = 6,    // 4, IEEE single
  fcReal = 7,      // 8, IEEE double
  fcExtended = 8,  // 10, x87 extended
  fcComp = 9,      // 8, signed 64-bit
  fcChars = 10,    // n raw bytes (size byte follows the code); keys compare as unsigned bytes
  fcBlock = 11,    // n raw bytes (two size bytes follow, high first); never a key
  fcText = 12,     // owned length-prefixed text
  fcTextRef = 13,  // borrowed length-prefixed text
  fcTable = 14,    // owned nested TRecordTable; never a key
  fcPointer = 15,  // borrowed pointer; never a key
  fcCText = 16,    // owned zero-terminated text
};

// Key part codes of the two fixed-order indexes.
constexpr uint8_t kpAlwaysBefore = 17;  // introducer 254: insertion order
constexpr uint8_t kpAlwaysAfter = 18;   // introducer 253: newest first

// Where a record goes among records with an equal key.
enum TPlacement : uint8_t { dpAny = 0, dpFirst = 1, dpLast = 2 };

constexpr uint32_t tfPacked = 1;
constexpr uint32_t tfWidthSurvey = 2;

constexpr uint16_t ixUnique = 0x40;

constexpr int32_t MaxRecordCount = 268435456;
constexpr int32_t MaxGrowthStep = 134217728;
constexpr int MaxFieldCount = 100;
constexpr uint16_t RefSize = sizeof(void*);

// Status of Init (reported through Create's Status).
enum TTableStatus : uint16_t {
  tsSuccess = 1000,
  tsBadSizing = 1003,        // Capacity not in 1..268435456 or GrowthStep not in 1..134217728
  tsNoMemoryOwned = 1010,    // owned-field list
  tsEmptyIndexDef = 1020,
  tsBadFieldNumber = 1022,   // not below FieldCount, before the first introducer, or introducer 251
  tsBlockKey = 1025,
  tsTableKey = 1026,
  tsPointerKey = 1027,
  tsNoKeyParts = 1029,
  tsFieldAfterFixedOrder = 1030,  // a field number right after 253 or 254
  tsEmptyStructureDef = 1031,
  tsTooManyFields = 1032,
  tsNoMemoryField = 1033,
  tsMissingCharsSize = 1034,
  tsMissingBlockSize = 1035,
  tsBadFieldCode = 1036,
  tsRecordTooLarge = 1037,   // RecordSize above 65535
  tsNoMemory = 12345,
};

struct TFieldDesc {
  uint8_t Code;
  uint16_t Size;        // bytes in memory
  uint16_t WidthClass;  // scratch of the writer
  uint16_t Offset;      // byte offset in the record
};

struct TKeyPart {
  uint8_t Code;  // the key field's code, or kpAlwaysBefore / kpAlwaysAfter
  uint16_t Offset;
  bool Descending;  // operands exchanged; always false after Init
  uint16_t Size;    // bytes compared for fcChars
};

struct TOwnedField {
  uint8_t Code;  // fcText, fcTable or fcCText
  uint16_t Offset;
};

class TRecordTable {
public:
  // Nil when the definitions or the sizing numbers are refused; Status (when
  // given) receives Init's status, tsSuccess on success.
  static std::unique_ptr<TRecordTable> Create(std::string_view StructureDef, std::string_view IndexDef,
                                              int32_t Capacity, int32_t GrowthStep,
                                              uint16_t* Status = nullptr);

  // Table file reader (see TableFile.cpp for the layout). Reads one table file
  // from the stream's current position and leaves the stream after its
  // terminator; nil on any failure (bad header, refused definitions, a record
  // refused by Add, a truncated or corrupt file), with nothing leaked. Start is
  // stored in OnProgressStart before the read and called with the record count;
  // Step is called before each record and stored in OnProgressStep on success.
  static std::unique_ptr<TRecordTable> Load(TByteStream& S, TProgressStepProc Step, TProgressStartProc Start);
  static std::unique_ptr<TRecordTable> LoadQuiet(TByteStream& S);
  // As LoadQuiet, but fails when the file holds more than MaxRecords records.
  static std::unique_ptr<TRecordTable> LoadAtMost(TByteStream& S, int32_t MaxRecords);
  // Reads a table file as Load does but keeps no record: each is handed to
  // Visit and released. Visit sees the fixed fields; of the owned values only
  // those that unique keys are made of (the others are null). The result has
  // the file's definitions and no records, or is nil where Load would fail on
  // the file's bytes. Filable says whether Load would also have filed every
  // record: false when a unique index would refuse one, or where one pass in
  // file order cannot tell.
  using TVisitProc = std::function<void(const uint8_t* Rec)>;
  static std::unique_ptr<TRecordTable> Scan(TByteStream& S, const TVisitProc& Visit, bool& Filable);

  // Writes the table as one table file (version 4) at the stream's current
  // position, index-0 order. False when any write is short or fails.
  bool Save(TByteStream& S);

  // Done: Clear (with its callbacks), then release everything owned.
  virtual ~TRecordTable();
  TRecordTable(const TRecordTable&) = delete;
  TRecordTable& operator=(const TRecordTable&) = delete;

  // --- records -----------------------------------------------------------
  // The record at Pos of index Index, or nil when either is out of range.
  // Bytes may be changed in place; after changing a key field call Update.
  uint8_t* RecordAt(int32_t Index, int32_t Pos) const;
  // Inserts a shallow copy of the RecordSize() bytes at Rec; on success the
  // table owns Rec's owned values and Pos is the new position in index Index.
  // Refused (false, nothing changed, values stay the caller's) when a unique
  // index holds an equal key or the table is full.
  bool Insert(int32_t Index, const void* Rec, TPlacement Placement, int32_t& Pos);
  bool Add(const void* Rec, TPlacement Placement = dpAny);
  // Into an empty table: files Recs exactly where Recs.size() calls of
  // Add(dpAny) in that order would, in one pass instead of one insertion at a
  // time. All or nothing: false, with nothing taken over, when the table is
  // not empty or any of those calls would be refused.
  bool AddAll(const std::vector<const void*>& Recs);
  // Removes the record from every index and frees it with its owned values.
  virtual bool Delete(int32_t Index, int32_t Pos);
  // Zeroes the record's bytes, then Delete: owned values are not released.
  bool Detach(int32_t Index, int32_t Pos);
  // Re-files a record changed in place (copy, Detach, Add). When the Add is
  // refused the record is gone and false is returned.
  bool Update(int32_t Index, int32_t Pos, TPlacement Placement = dpAny);
  // Delete / Detach every record from the last of index 0 down, with
  // OnProgressStart(RecordCount) first and OnProgressStep before each.
  void Clear();
  void DetachAll();
  // Moves records from a table with a byte-equal StructureDef (index
  // definitions may differ). AllOrNothing: all or none move, no callbacks of
  // this table. Otherwise refused records stay in Source.
  bool MoveFrom(TRecordTable* Source, TPlacement Placement, bool AllOrNothing);

  // --- search ------------------------------------------------------------
  // -1, 0 or 1 over the active key parts of index Index.
  int Compare(int32_t Index, const void* Rec, const void* Key) const;
  // True when a record equal to Key exists, Pos at the one the bisection meets
  // (Find), the first (FindFirst) or the last (FindLast) equal one; otherwise
  // false with Pos at the insertion point.
  bool Find(int32_t Index, const void* Key, int32_t& Pos) const;
  bool FindFirst(int32_t Index, const void* Key, int32_t& Pos) const;
  bool FindLast(int32_t Index, const void* Key, int32_t& Pos) const;
  // First and last position equal to Key; false (First = insertion point,
  // Last unchanged) when none.
  bool FindRange(int32_t Index, const void* Key, int32_t& First, int32_t& Last) const;
  // The position in index Other of the record at (Index, Pos).
  bool LocateIn(int32_t Index, int32_t Pos, int32_t Other, int32_t& OtherPos) const;
  // Comparisons of Index use only its first N key parts until ResetKeyParts;
  // false (nothing changed) unless 1 <= N <= total parts.
  bool SetKeyParts(int32_t Index, int32_t N);
  bool ResetKeyParts(int32_t Index);

  void SetPacked(bool B);

  // --- shape -------------------------------------------------------------
  int32_t RecordCount() const { return FRecordCount; }
  int32_t Capacity() const { return FCapacity; }
  int32_t GrowthStep() const { return FGrowthStep; }
  uint16_t RecordSize() const { return FRecordSize; }
  uint8_t FieldCount() const { return static_cast<uint8_t>(FFields.size()); }
  int32_t IndexCount() const { return static_cast<int32_t>(FIndexes.size()); }
  const std::string& StructureDef() const { return FStructureDef; }
  const std::string& IndexDef() const { return FIndexDef; }
  const TFieldDesc& Field(int I) const { return FFields[I]; }
  uint16_t FieldOffset(int I) const { return FFields[I].Offset; }
  const std::vector<TOwnedField>& OwnedFields() const { return FOwned; }
  bool IndexUnique(int32_t Index) const;
  int32_t ActiveParts(int32_t Index) const;
  int32_t TotalParts(int32_t Index) const;
  const TKeyPart* KeyPart(int32_t Index, int32_t Part) const;

  // Bit 0 tfPacked, bit 1 tfWidthSurvey; other bits are kept as they are.
  uint32_t Flags = 0;
  TProgressStepProc OnProgressStep;
  TProgressStartProc OnProgressStart;

protected:
  TRecordTable();
  // Builds the inner data; false with a status of TTableStatus on refusal,
  // leaving the table empty.
  bool Init(std::string_view StructureDef, std::string_view IndexDef, int32_t Capacity, int32_t GrowthStep,
            uint16_t& Status);

  struct TIndexDesc {
    int32_t ActiveParts = 0;
    std::vector<TKeyPart> KeyParts;  // total parts = size
    std::unique_ptr<TPositionIndex> Records;
    uint16_t Flags = 0;
    int32_t InsertPosition = 0;  // scratch of Insert
    bool Kept = false;           // scratch of Update: the record stays where it is
    // Order-preserving 64-bit prefix of the leading key parts, kept beside
    // each reference: unequal prefixes decide a comparison on their own,
    // equal exact ones mean equal keys.
    uint8_t PrefixKind = 0;
    uint64_t PrefixMask = 0;
    bool PrefixExact = false;
  };

private:
  friend class TTableReader;
  friend class TTableWriter;

  size_t BlockHead() const;  // the slots before a record block's bytes, one per index
  uint8_t* NewRecordBlock() const;
  void FreeRecordBlock(uint8_t* Rec) const;
  void ReleaseOwnedValues(uint8_t* Rec) const;
  uint64_t KeyPrefix(int32_t Index, const void* Rec) const;
  void SetPrefixRule(TIndexDesc& X) const;
  int CompareEntry(int32_t Index, const TPositionIndex::TEntry& E, uint64_t KeyPrefix, const void* Key) const;
  bool EqualRange(int32_t Index, const void* Key, int32_t& Lo, int32_t& Hi) const;
  int32_t PositionOf(int32_t Index, const uint8_t* Rec) const;
  bool MakeRoom();
  // Insert in parts: the insertion position in every index (false when
  // refused), then filing a block there.
  bool FindPlace(int32_t Index, const void* Rec, TPlacement Placement);  // false: a unique key is taken
  bool FindPlaces(const void* Rec, TPlacement Placement);
  void FileBlock(uint8_t* Block);
  // Whether Rec, at Pos of a unique index, still sorts strictly between its neighbours.
  bool StaysAt(int32_t Index, int32_t Pos, const uint8_t* Rec, uint64_t KeyPrefix) const;
  // Files record blocks, given in the order of successive Add(dpAny) calls,
  // into an empty table exactly where those calls would put them. Returns how
  // many of those calls would succeed; only when all would, and Commit is set,
  // are the blocks taken over.
  int32_t AdoptInOrder(const std::vector<uint8_t*>& Blocks, bool Commit);
  bool OrderFor(int32_t Index, const std::vector<uint8_t*>& Blocks, std::vector<uint8_t*>& Order,
                int32_t& Accepted) const;

  std::string FStructureDef;
  std::string FIndexDef;
  std::vector<TFieldDesc> FFields;
  std::vector<TOwnedField> FOwned;
  std::vector<TIndexDesc> FIndexes;
  int32_t FRecordCount = 0;
  uint16_t FRecordSize = 0;
  int32_t FGrowthStep = 0;
  int32_t FCapacity = 0;
};

// When T is not nil: sets it to nil, then destroys the table.
void ReleaseTable(TRecordTable*& T);
