#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// 16-bit PCM, channels interleaved frame by frame.
struct PcmSound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;

    std::size_t frameCount() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
};
