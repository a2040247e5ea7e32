#include "gif_check.hpp"

#include <gif_lib.h>

#include <array>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

class GifDecoder {
public:
    explicit GifDecoder(const std::string& path)
    {
        int error = 0;
        gif_ = DGifOpenFileName(path.c_str(), &error);
        if (!gif_)
            throw std::runtime_error(path + ": " + errorText(error));
        if (DGifSlurp(gif_) == GIF_ERROR)
            throw std::runtime_error(path + ": " + errorText(gif_->Error));
    }
    GifDecoder(const GifDecoder&) = delete;
    GifDecoder& operator=(const GifDecoder&) = delete;
    ~GifDecoder() { DGifCloseFile(gif_, nullptr); }

    const GifFileType& operator*() const { return *gif_; }
    GifFileType* get() const { return gif_; }

private:
    static std::string errorText(int error)
    {
        const char* text = GifErrorString(error);
        return text ? text : "unknown giflib error";
    }

    GifFileType* gif_ = nullptr;
};

void require(bool condition, const std::string& path, const char* what)
{
    if (!condition)
        throw std::runtime_error(path + ": " + what);
}

bool startsWithGif89a(const std::string& path)
{
    std::array<char, 6> signature{};
    std::ifstream file(path, std::ios::binary);
    file.read(signature.data(), signature.size());
    return file && std::memcmp(signature.data(), "GIF89a", signature.size()) == 0;
}

} // namespace

void checkButtonGif(const std::string& path, const IndexedPicture& expected)
{
    require(startsWithGif89a(path), path, "does not start with GIF89a");
    const GifDecoder gif(path);
    require((*gif).SWidth == expected.width && (*gif).SHeight == expected.height, path,
            "logical screen is not the picture's size");
    require((*gif).ImageCount == 1, path, "does not hold exactly one image");

    const SavedImage& image = (*gif).SavedImages[0];
    require(image.ImageDesc.Left == 0 && image.ImageDesc.Top == 0 && image.ImageDesc.Width == expected.width &&
                image.ImageDesc.Height == expected.height && !image.ImageDesc.Interlace,
            path, "image does not cover the logical screen plainly");

    GraphicsControlBlock control{};
    require(DGifSavedExtensionToGCB(gif.get(), 0, &control) == GIF_OK, path, "has no graphic-control extension");
    require(control.TransparentColor != NO_TRANSPARENT_COLOR, path, "names no transparent colour");
    require(image.RasterBits[0] == control.TransparentColor, path, "top-left pixel is not the transparent index");

    const ColorMapObject* colours = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : (*gif).SColorMap;
    require(colours != nullptr && control.TransparentColor < colours->ColorCount, path,
            "transparent index lies outside the colour table");
    const GifColorType key = colours->Colors[control.TransparentColor];
    const int pixelCount = expected.width * expected.height;
    for (int i = 0; i < pixelCount; ++i) {
        const int index = image.RasterBits[i];
        require(index < colours->ColorCount, path, "pixel index lies outside the colour table");
        if (index == control.TransparentColor)
            continue;
        const GifColorType c = colours->Colors[index];
        require(c.Red != key.Red || c.Green != key.Green || c.Blue != key.Blue, path,
                "a visible pixel has the transparent colour");
    }

    require(std::memcmp(image.RasterBits, expected.indices.data(), expected.indices.size()) == 0, path,
            "decoded pixels differ from the drawing");
}
