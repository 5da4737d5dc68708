#pragma once
// The byte streams the table file reader and writer work on. The engine never
// opens or closes files itself: callers hand it a stream positioned where the
// table begins. Every transfer reports how many bytes really moved, so short
// reads (a truncated file) and short writes (a full disk) are seen.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class TByteStream {
public:
  virtual ~TByteStream() = default;
  // Reads up to N bytes; returns how many were read (fewer only at the end or on an error).
  virtual size_t Read(void* Buffer, size_t N) = 0;
  // Writes N bytes; returns how many were written (fewer means failure).
  virtual size_t Write(const void* Buffer, size_t N) = 0;
  // The current byte offset, or -1 when the stream cannot tell.
  virtual int64_t Position() const = 0;
  // Moves to byte offset Pos; false when the stream cannot be positioned.
  virtual bool Seek(int64_t Pos) = 0;
  // Total length in bytes, or -1 when unknown (pipes).
  virtual int64_t Size() const = 0;
  // Pushes buffered writes out; false when that fails.
  virtual bool Flush() { return true; }
};

// A stream over a growable byte vector. Writing past the end extends it.
class TMemoryStream : public TByteStream {
public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> Bytes) : FBytes(std::move(Bytes)) {}
  size_t Read(void* Buffer, size_t N) override;
  size_t Write(const void* Buffer, size_t N) override;
  int64_t Position() const override { return static_cast<int64_t>(FPos); }
  bool Seek(int64_t Pos) override;
  int64_t Size() const override { return static_cast<int64_t>(FBytes.size()); }
  const std::vector<uint8_t>& Bytes() const { return FBytes; }

private:
  std::vector<uint8_t> FBytes;
  size_t FPos = 0;
};

enum TFileMode : uint8_t { fmRead, fmCreate, fmReadWrite };

// A stream over a file (stdio-buffered). Open returns nil when the file
// cannot be opened; fmCreate creates or truncates it.
class TFileStream : public TByteStream {
public:
  static std::unique_ptr<TFileStream> Open(const std::string& Path, TFileMode Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  size_t Read(void* Buffer, size_t N) override;
  size_t Write(const void* Buffer, size_t N) override;
  int64_t Position() const override;
  bool Seek(int64_t Pos) override;
  int64_t Size() const override;
  bool Flush() override;
  // Flushes and closes; false when buffered data could not be written.
  bool Close();

private:
  explicit TFileStream(std::FILE* F) : FFile(F) {}
  std::FILE* FFile;
  bool FLastWasWrite = false;
};
