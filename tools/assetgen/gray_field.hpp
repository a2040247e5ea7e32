#pragma once
#include <cstddef>
#include <vector>

// A single-channel float raster: densities, light intensities, masks.
struct GrayField {
    int width = 0;
    int height = 0;
    std::vector<float> values;

    GrayField() = default;
    GrayField(int w, int h, float fill = 0.0f) : width(w), height(h), values(static_cast<std::size_t>(w) * h, fill) {}

    float& at(int x, int y) { return values[static_cast<std::size_t>(y) * width + x]; }
    float at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }

    // Reads outside the raster count as empty space.
    float atOrZero(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0.0f;
        return at(x, y);
    }
};
