#include "wav_check.hpp"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::size_t kCanonicalHeaderSize = 44;

std::uint32_t readU32(const std::vector<unsigned char>& bytes, std::size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint32_t readU16(const std::vector<unsigned char>& bytes, std::size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8;
}

} // namespace

void checkCanonicalWav(const std::string& path, const WavLayout& layout)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    auto require = [&](bool condition, const char* what) {
        if (!condition)
            throw std::runtime_error(path + ": " + what);
    };
    auto tagAt = [&](std::size_t offset, const char* tag) { return std::memcmp(&bytes[offset], tag, 4) == 0; };

    const auto blockAlign = static_cast<std::uint32_t>(layout.channels * layout.bitsPerSample / 8);
    require(bytes.size() == kCanonicalHeaderSize + layout.dataBytes, "file size is not header plus samples");
    require(tagAt(0, "RIFF") && tagAt(8, "WAVE"), "not a RIFF WAVE file");
    require(readU32(bytes, 4) == bytes.size() - 8, "RIFF size does not match the file");
    require(tagAt(12, "fmt ") && readU32(bytes, 16) == 16, "no 16-byte fmt chunk first");
    require(readU16(bytes, 20) == 1, "format is not uncompressed PCM");
    require(readU16(bytes, 22) == static_cast<std::uint32_t>(layout.channels), "wrong channel count");
    require(readU32(bytes, 24) == static_cast<std::uint32_t>(layout.sampleRate), "wrong sample rate");
    require(readU32(bytes, 28) == layout.sampleRate * blockAlign, "byte rate is not rate times block size");
    require(readU16(bytes, 32) == blockAlign, "wrong block alignment");
    require(readU16(bytes, 34) == static_cast<std::uint32_t>(layout.bitsPerSample), "wrong bits per sample");
    require(tagAt(36, "data") && readU32(bytes, 40) == layout.dataBytes, "data chunk is not the expected size");
}
