#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// 8-bit RGBA with straight (non-premultiplied) alpha, rows top to bottom.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    RgbaImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 4, 0) {}

    std::uint8_t* pixel(int x, int y) { return &pixels[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const std::uint8_t* pixel(int x, int y) const { return &pixels[(static_cast<std::size_t>(y) * width + x) * 4]; }
};
