#include "gif_writer.hpp"

#include <gif_lib.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

struct ColourMapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMapHolder = std::unique_ptr<ColorMapObject, ColourMapFreer>;

// Encodes into memory (so the file is written like any other, with the usual
// permissions). Owns the encoder until finish() hands it to EGifCloseFile, which writes
// the trailer and frees it whether or not it succeeds.
class GifEncoder {
public:
    explicit GifEncoder(const std::string& path) : path_(path)
    {
        int error = 0;
        gif_ = EGifOpen(&bytes_, &GifEncoder::append, &error);
        if (!gif_)
            fail(error);
        EGifSetGifVersion(gif_, true);
    }
    GifEncoder(const GifEncoder&) = delete;
    GifEncoder& operator=(const GifEncoder&) = delete;
    ~GifEncoder()
    {
        if (gif_)
            EGifCloseFile(gif_, nullptr);
    }

    GifFileType* get() const { return gif_; }

    void check(int status) const
    {
        if (status == GIF_ERROR)
            fail(gif_->Error);
    }

    std::vector<std::uint8_t> finish()
    {
        int error = 0;
        const int status = EGifCloseFile(gif_, &error);
        gif_ = nullptr;
        if (status == GIF_ERROR)
            fail(error);
        return std::move(bytes_);
    }

private:
    static int append(GifFileType* gif, const GifByteType* data, int length)
    {
        auto* bytes = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
        bytes->insert(bytes->end(), data, data + length);
        return length;
    }

    [[noreturn]] void fail(int error) const
    {
        const char* reason = GifErrorString(error);
        throw std::runtime_error("giflib failed on " + path_ + ": " + (reason ? reason : "unknown error"));
    }

    std::string path_;
    std::vector<std::uint8_t> bytes_;
    GifFileType* gif_ = nullptr;
};

// GIF colour tables hold a power of two entries (2 to 256). The padding repeats the
// last ink so it can never add a second copy of the transparent colour.
ColourMapHolder makeColourMap(const std::vector<PaletteColour>& palette)
{
    if (palette.empty() || palette.size() > 256)
        throw std::invalid_argument("a GIF palette holds 1 to 256 colours");
    const auto size = std::max<std::size_t>(2, std::bit_ceil(palette.size()));
    std::vector<GifColorType> colours(size);
    for (std::size_t i = 0; i < size; ++i) {
        const PaletteColour& c = palette[std::min(i, palette.size() - 1)];
        colours[i] = {c.red, c.green, c.blue};
    }
    ColourMapHolder map(GifMakeMapObject(static_cast<int>(size), colours.data()));
    if (!map)
        throw std::runtime_error("cannot make a GIF colour map");
    return map;
}

} // namespace

void writeGif(const std::string& path, const IndexedPicture& picture)
{
    if (picture.transparentIndex >= picture.palette.size())
        throw std::invalid_argument("transparent index outside the palette of " + path);
    const ColourMapHolder colourMap = makeColourMap(picture.palette);

    GifEncoder gif(path);
    gif.check(EGifPutScreenDesc(gif.get(), picture.width, picture.height, colourMap->BitsPerPixel,
                                picture.transparentIndex, colourMap.get()));

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = picture.transparentIndex;
    GifByteType extension[4];
    const auto extensionLength = EGifGCBToExtension(&control, extension);
    gif.check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extensionLength), extension));

    gif.check(EGifPutImageDesc(gif.get(), 0, 0, picture.width, picture.height, false, nullptr));
    std::vector<GifPixelType> row(static_cast<std::size_t>(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            row[static_cast<std::size_t>(x)] = picture.at(x, y);
        gif.check(EGifPutLine(gif.get(), row.data(), picture.width));
    }
    const std::vector<std::uint8_t> bytes = gif.finish();

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}
