#include "wav_writer.hpp"

#include <fstream>
#include <stdexcept>
#include <string_view>

namespace {

class LittleEndianBytes {
public:
    void tag(std::string_view fourCharacters) { bytes.insert(bytes.end(), fourCharacters.begin(), fourCharacters.end()); }
    void u16(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }

    std::vector<std::uint8_t> bytes;
};

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint32_t kFmtChunkSize = 16;

} // namespace

std::vector<std::uint8_t> encodeWav(const PcmSound& sound)
{
    if (sound.channels < 1 || sound.sampleRate < 1 || sound.samples.size() % static_cast<std::size_t>(sound.channels))
        throw std::invalid_argument("PCM sound needs channels, a sample rate and whole frames");

    const auto channels = static_cast<std::uint16_t>(sound.channels);
    const auto blockAlign = static_cast<std::uint16_t>(channels * kBitsPerSample / 8);
    const auto dataSize = static_cast<std::uint32_t>(sound.samples.size() * sizeof(std::int16_t));

    LittleEndianBytes out;
    out.tag("RIFF");
    out.u32(4 + (8 + kFmtChunkSize) + (8 + dataSize));
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(kFmtChunkSize);
    out.u16(kPcmFormat);
    out.u16(channels);
    out.u32(static_cast<std::uint32_t>(sound.sampleRate));
    out.u32(static_cast<std::uint32_t>(sound.sampleRate) * blockAlign);
    out.u16(blockAlign);
    out.u16(kBitsPerSample);
    out.tag("data");
    out.u32(dataSize);
    for (std::int16_t sample : sound.samples)
        out.u16(static_cast<std::uint16_t>(sample));
    return std::move(out.bytes);
}

void writeWav(const std::string& path, const PcmSound& sound)
{
    const std::vector<std::uint8_t> bytes = encodeWav(sound);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}
