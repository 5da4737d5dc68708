#include "dictionary/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

int64_t TSafeFileWriter::FailAtByte = -1;

// A buffered, write-only stream over a file descriptor that remembers any failure.
class TSafeFileWriter::TOutStream final : public TByteStream {
 public:
  explicit TOutStream(int Fd) : FFd(Fd) {}
  ~TOutStream() override {
    if (FFd >= 0) ::close(FFd);
  }
  size_t Read(void*, size_t) override { return 0; }
  size_t Write(const void* Buffer, size_t N) override {
    if (FFailed) return 0;
    if (FUsed + N > sizeof FData && !Drain()) return 0;
    if (N >= sizeof FData) return Put(static_cast<const char*>(Buffer), N) ? N : 0;
    std::memcpy(FData + FUsed, Buffer, N);
    FUsed += N;
    return N;
  }
  int64_t Position() const override { return FWritten + static_cast<int64_t>(FUsed); }
  bool Seek(int64_t) override { return false; }
  int64_t Size() const override { return Position(); }
  bool Flush() override { return Drain(); }
  bool Failed() const { return FFailed; }
  // Flushes, syncs and closes; false when any of it failed.
  bool Finish(mode_t Mode) {
    bool ok = Drain() && ::fchmod(FFd, Mode) == 0 && ::fsync(FFd) == 0;
    ok = ::close(FFd) == 0 && ok;
    FFd = -1;
    return ok;
  }

 private:
  bool Drain() {
    size_t n = FUsed;
    FUsed = 0;
    return Put(FData, n);
  }
  bool Put(const char* P, size_t N) {
    if (FFailed) return false;
    if (FailAtByte >= 0 && FWritten + static_cast<int64_t>(N) > FailAtByte) {
      N = static_cast<size_t>(FailAtByte - FWritten);
      FFailed = true;
    }
    while (N > 0) {
      ssize_t w = ::write(FFd, P, N);
      if (w < 0) {
        if (errno == EINTR) continue;
        FFailed = true;
        break;
      }
      P += w;
      N -= static_cast<size_t>(w);
      FWritten += w;
    }
    return !FFailed;
  }

  int FFd;
  bool FFailed = false;
  int64_t FWritten = 0;
  size_t FUsed = 0;
  char FData[1 << 16];
};

TSafeFileWriter::TSafeFileWriter(std::string FileName) : FTarget(std::move(FileName)) {
  // Replace what a symbolic link points at, not the link.
  struct stat st{};
  if (::lstat(FTarget.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(FTarget.c_str(), resolved)) FTarget = resolved;
  }
}

TSafeFileWriter::~TSafeFileWriter() { Discard(); }

bool TSafeFileWriter::Open() {
  Discard();
  std::string pattern = FTarget + ".tmp-XXXXXX";
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  FTemp = pattern;
  FStream = std::make_unique<TOutStream>(fd);
  return true;
}

TByteStream& TSafeFileWriter::Stream() { return *FStream; }

bool TSafeFileWriter::Commit() {
  if (!FStream) return false;
  mode_t mode;
  struct stat st{};
  if (::stat(FTarget.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok = !FStream->Failed() && FStream->Finish(mode);
  FStream.reset();
  ok = ok && ::rename(FTemp.c_str(), FTarget.c_str()) == 0;
  if (!ok) {
    Discard();
    return false;
  }
  FTemp.clear();
  // Make the rename itself durable; a folder that cannot be synced is no failure of the save.
  size_t slash = FTarget.find_last_of('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : FTarget.substr(0, slash);
  int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

void TSafeFileWriter::Discard() {
  FStream.reset();
  if (!FTemp.empty()) {
    ::unlink(FTemp.c_str());
    FTemp.clear();
  }
}
