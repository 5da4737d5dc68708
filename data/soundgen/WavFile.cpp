#include "data/soundgen/WavFile.h"

#include <fstream>

namespace {

// RIFF fields are little-endian whatever the machine.
void Put(std::string& Out, uint32_t Value, int Bytes) {
  for (int i = 0; i < Bytes; ++i) Out += static_cast<char>((Value >> (8 * i)) & 0xFF);
}

}  // namespace

bool WriteWavFile(const std::string& FileName, const std::vector<int16_t>& Samples, int Rate) {
  constexpr int Channels = 1, Bits = 16, BlockAlign = Channels * Bits / 8;
  const auto dataSize = static_cast<uint32_t>(Samples.size() * BlockAlign);
  std::string bytes;
  bytes += "RIFF";
  Put(bytes, 36 + dataSize, 4);
  bytes += "WAVEfmt ";
  Put(bytes, 16, 4);  // size of the fmt chunk
  Put(bytes, 1, 2);   // PCM
  Put(bytes, Channels, 2);
  Put(bytes, static_cast<uint32_t>(Rate), 4);
  Put(bytes, static_cast<uint32_t>(Rate * BlockAlign), 4);
  Put(bytes, BlockAlign, 2);
  Put(bytes, Bits, 2);
  bytes += "data";
  Put(bytes, dataSize, 4);
  for (int16_t s : Samples) Put(bytes, static_cast<uint16_t>(s), 2);
  std::ofstream file(FileName, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}
