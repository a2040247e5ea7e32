#pragma once
#include "pcm_sound.hpp"

#include <cstdint>
#include <string>
#include <vector>

// The canonical 44-byte RIFF WAVE header ("fmt " chunk of 16 bytes, PCM format 1,
// then the "data" chunk) followed by the little-endian samples.
std::vector<std::uint8_t> encodeWav(const PcmSound& sound);

// Throws std::runtime_error if the file cannot be written.
void writeWav(const std::string& path, const PcmSound& sound);
