#include "png_writer.hpp"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by longjmp, so nothing in here may own a destructor.
bool encode(std::FILE* file, png_uint_32 width, png_uint_32 height, png_bytepp rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }

    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void writePng(const std::string& path, const RgbaImage& image)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw std::runtime_error("cannot open " + path + " for writing");

    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y)
        rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(image.pixel(0, y));

    if (!encode(file.get(), static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), rows.data()))
        throw std::runtime_error("libpng failed while writing " + path);
    if (std::fflush(file.get()) != 0)
        throw std::runtime_error("cannot write " + path);
}
