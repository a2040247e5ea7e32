#pragma once
#include "indexed_picture.hpp"

#include <cstdint>
#include <string_view>
#include <vector>

// Hand-drawn pixel art: one character per pixel, looked up in a small palette.
// '.' is reserved for "no pixel" and becomes the transparent colour.
struct PixelMap {
    struct Ink {
        char symbol;
        std::uint8_t red;
        std::uint8_t green;
        std::uint8_t blue;
    };

    std::vector<Ink> palette;
    std::vector<std::string_view> rows;
};

inline constexpr char kClearPixel = '.';

// Index 0 becomes `key` (the transparent colour), the inks follow in palette order.
// Throws std::invalid_argument for ragged rows, unknown or duplicate symbols, or an
// ink equal to the key colour (which would vanish wherever the key colour is keyed out).
IndexedPicture indexPixelMap(const PixelMap& map, PaletteColour key);
