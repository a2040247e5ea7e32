#pragma once
#include <compare>
#include <cstddef>
#include <cstdint>
#include <vector>

struct PaletteColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    auto operator<=>(const PaletteColour&) const = default;
};

// A palette picture with one colour index set aside as transparent, rows top to bottom.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<PaletteColour> palette;
    std::vector<std::uint8_t> indices;
    std::uint8_t transparentIndex = 0;

    std::uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
};
