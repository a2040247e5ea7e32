#include "ico_writer.hpp"

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {

constexpr std::uint32_t kIconDirSize = 6;
constexpr std::uint32_t kIconDirEntrySize = 16;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;

class LittleEndianBuffer {
public:
    void u8(std::uint8_t v) { bytes.push_back(v); }
    void u16(std::uint16_t v)
    {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }

    std::vector<std::uint8_t> bytes;
};

// AND-mask rows are 1 bit per pixel, padded to whole 32-bit words.
std::uint32_t maskRowBytes(int width) { return static_cast<std::uint32_t>((width + 31) / 32 * 4); }

std::uint32_t bitmapSize(const RgbaImage& image)
{
    const auto w = static_cast<std::uint32_t>(image.width);
    const auto h = static_cast<std::uint32_t>(image.height);
    return kBitmapInfoHeaderSize + w * h * 4 + maskRowBytes(image.width) * h;
}

void appendBitmap(LittleEndianBuffer& out, const RgbaImage& image)
{
    const auto w = static_cast<std::uint32_t>(image.width);
    const auto h = static_cast<std::uint32_t>(image.height);

    out.u32(kBitmapInfoHeaderSize);
    out.u32(w);
    out.u32(h * 2); // colour bitmap and AND mask stacked
    out.u16(1);     // planes
    out.u16(32);    // bits per pixel
    out.u32(0);     // BI_RGB
    out.u32(w * h * 4 + maskRowBytes(image.width) * h);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);

    // Bottom-up rows, BGRA, straight alpha.
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            out.u8(p[2]);
            out.u8(p[1]);
            out.u8(p[0]);
            out.u8(p[3]);
        }
    }

    // AND mask: a set bit marks a transparent pixel, for consumers that ignore alpha.
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRowBytes(image.width), 0);
        for (int x = 0; x < image.width; ++x) {
            if (image.pixel(x, y)[3] == 0)
                row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.bytes.insert(out.bytes.end(), row.begin(), row.end());
    }
}

} // namespace

void writeIco(const std::string& path, const std::vector<RgbaImage>& images)
{
    LittleEndianBuffer out;
    out.u16(0); // reserved
    out.u16(1); // type: icon
    out.u16(static_cast<std::uint16_t>(images.size()));

    std::uint32_t offset = kIconDirSize + kIconDirEntrySize * static_cast<std::uint32_t>(images.size());
    for (const auto& image : images) {
        if (image.width != image.height || image.width <= 0 || image.width > 256)
            throw std::runtime_error("icon images must be square and at most 256 px");
        out.u8(static_cast<std::uint8_t>(image.width == 256 ? 0 : image.width));
        out.u8(static_cast<std::uint8_t>(image.height == 256 ? 0 : image.height));
        out.u8(0);  // no palette
        out.u8(0);  // reserved
        out.u16(1); // planes
        out.u16(32);
        out.u32(bitmapSize(image));
        out.u32(offset);
        offset += bitmapSize(image);
    }
    for (const auto& image : images)
        appendBitmap(out, image);

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.bytes.data()), static_cast<std::streamsize>(out.bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}
