// Feeds arbitrary bytes to the table file reader, through a stream that can
// be positioned and through one that cannot, and to the scan. Whatever loads
// must save and load again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/ByteStream.h"
#include "engine/RecordTable.h"

namespace {

class TPipe : public TByteStream {
public:
  explicit TPipe(std::vector<uint8_t> Bytes) : FInner(std::move(Bytes)) {}
  size_t Read(void* Buffer, size_t N) override { return FInner.Read(Buffer, N); }
  size_t Write(const void* Buffer, size_t N) override { return FInner.Write(Buffer, N); }
  int64_t Position() const override { return -1; }
  bool Seek(int64_t) override { return false; }
  int64_t Size() const override { return -1; }

private:
  TMemoryStream FInner;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  std::vector<uint8_t> Bytes(Data, Data + Size);
  TMemoryStream S(Bytes);
  int32_t Steps = 0;
  auto T = TRecordTable::Load(S, [&] { ++Steps; }, nullptr);
  // A scan fails no file that loads, and never calls a file filable that
  // does not load (files out of order it may leave undecided).
  TMemoryStream Again0(Bytes);
  bool Filable = false;
  int32_t Seen = 0;
  auto Scanned = TRecordTable::Scan(Again0, [&](const uint8_t*) { ++Seen; }, Filable);
  if (T && (!Scanned || Seen != T->RecordCount())) std::abort();
  if (!T && Scanned && Filable) std::abort();
  if (T) {
    T->OnProgressStep = nullptr;
    TMemoryStream Out;
    if (!T->Save(Out)) std::abort();
    Out.Seek(0);
    auto Again = TRecordTable::LoadQuiet(Out);
    if (!Again || Again->RecordCount() != T->RecordCount()) std::abort();
  }
  TPipe P(Bytes);
  auto FromPipe = TRecordTable::LoadAtMost(P, 250);
  if (FromPipe && FromPipe->RecordCount() > 250) std::abort();
  return 0;
}
