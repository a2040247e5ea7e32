#include "blur.hpp"

#include <array>
#include <cmath>

namespace {

// Box radii whose three-pass convolution best matches a Gaussian of this sigma.
std::array<int, 3> boxRadiiFor(float sigma)
{
    constexpr int passes = 3;
    const double idealWidth = std::sqrt(12.0 * sigma * sigma / passes + 1.0);
    int lower = static_cast<int>(std::floor(idealWidth));
    if (lower % 2 == 0)
        --lower;
    const int upper = lower + 2;
    const double idealLowerCount =
        (12.0 * sigma * sigma - passes * lower * lower - 4.0 * passes * lower - 3.0 * passes) / (-4.0 * lower - 4.0);
    const int lowerCount = static_cast<int>(std::lround(idealLowerCount));
    std::array<int, 3> radii{};
    for (int i = 0; i < passes; ++i)
        radii[i] = ((i < lowerCount ? lower : upper) - 1) / 2;
    return radii;
}

// One box pass along rows (stride 1) or columns (stride width) using a running prefix sum.
void boxPass(const std::vector<float>& in, std::vector<float>& out, int lineCount, int lineLength, int lineStride,
             int step, int radius)
{
    std::vector<double> prefix(static_cast<size_t>(lineLength) + 1);
    const double norm = 1.0 / (2 * radius + 1);
    for (int line = 0; line < lineCount; ++line) {
        const size_t base = static_cast<size_t>(line) * lineStride;
        prefix[0] = 0.0;
        for (int i = 0; i < lineLength; ++i)
            prefix[i + 1] = prefix[i] + in[base + static_cast<size_t>(i) * step];
        for (int i = 0; i < lineLength; ++i) {
            const int lo = std::max(0, i - radius);
            const int hi = std::min(lineLength, i + radius + 1);
            out[base + static_cast<size_t>(i) * step] = static_cast<float>((prefix[hi] - prefix[lo]) * norm);
        }
    }
}

} // namespace

GrayField gaussianBlurred(const GrayField& source, float sigma)
{
    GrayField result = source;
    if (sigma <= 0.0f)
        return result;
    std::vector<float> scratch(result.values.size());
    for (int radius : boxRadiiFor(sigma)) {
        if (radius <= 0)
            continue;
        boxPass(result.values, scratch, result.height, result.width, result.width, 1, radius);
        boxPass(scratch, result.values, result.width, result.height, 1, result.width, radius);
    }
    return result;
}
