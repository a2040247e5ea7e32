#pragma once
#include <cstdint>

struct QuantisedPixel {
    std::uint8_t r, g, b, a;
};

// Turns straight-alpha float colour into bytes for the splash frames.
// Colour in nearly transparent pixels keeps only the precision that survives
// blending (alpha times the rounding error stays under one level on screen);
// the dropped bits would only bloat the PNG. Fully transparent pixels are all zero.
QuantisedPixel quantisePixel(float r, float g, float b, float alpha);
