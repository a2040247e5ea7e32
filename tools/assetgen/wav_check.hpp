#pragma once
#include <cstdint>
#include <string>

struct WavLayout {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
};

// Reads a written WAVE file back and checks it is exactly the canonical 44-byte header
// for uncompressed PCM of the given layout, followed by that many bytes of samples and
// nothing else. Throws std::runtime_error naming the first field that differs.
void checkCanonicalWav(const std::string& path, const WavLayout& layout);
