#include "pixel_quantiser.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCoarsestColourStep = 16;

std::uint8_t toLevel(float value, int step)
{
    const float scaled = std::clamp(value, 0.0f, 1.0f) * 255.0f / static_cast<float>(step);
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(scaled)) * step, 0, 255));
}

} // namespace

QuantisedPixel quantisePixel(float r, float g, float b, float alpha)
{
    const std::uint8_t a = toLevel(alpha, 1);
    if (a == 0)
        return {0, 0, 0, 0};
    const int colourStep = std::clamp(255 / a, 1, kCoarsestColourStep);
    return {toLevel(r, colourStep), toLevel(g, colourStep), toLevel(b, colourStep), a};
}
