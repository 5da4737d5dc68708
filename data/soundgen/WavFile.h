#pragma once
// Writes mono 16-bit PCM samples as a RIFF WAVE file.

#include <cstdint>
#include <string>
#include <vector>

// False when the file cannot be written completely.
bool WriteWavFile(const std::string& FileName, const std::vector<int16_t>& Samples, int Rate);
