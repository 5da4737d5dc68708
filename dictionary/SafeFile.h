#pragma once
// Replaces a file in full or not at all: the bytes go to a temporary file in
// the same folder, which is flushed, synced and then renamed over the target
// (keeping the target's permissions). Until Commit succeeds the target stays
// exactly as it was; a writer that is not committed removes its temporary.

#include <cstdint>
#include <memory>
#include <string>

#include "engine/ByteStream.h"

class TSafeFileWriter {
 public:
  explicit TSafeFileWriter(std::string FileName);
  ~TSafeFileWriter();
  TSafeFileWriter(const TSafeFileWriter&) = delete;
  TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

  // Creates the temporary file; false when the folder cannot take it.
  bool Open();
  // The write stream of the temporary file (after a successful Open).
  TByteStream& Stream();
  // False when any write, the sync or the rename failed; the target is then untouched.
  bool Commit();

  // For tests: when >= 0, writes fail once this many bytes have been written.
  static int64_t FailAtByte;

 private:
  void Discard();

  class TOutStream;
  std::string FTarget;
  std::string FTemp;
  std::unique_ptr<TOutStream> FStream;
};
