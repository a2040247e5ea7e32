#include "perlin_noise.hpp"

#include "rng.hpp"

#include <cmath>
#include <numeric>
#include <utility>

namespace {

float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

float lerpf(float a, float b, float t) { return a + t * (b - a); }

float gradient(int hash, float x, float y, float z)
{
    const int h = hash & 15;
    const float u = h < 8 ? x : y;
    const float v = h < 4 ? y : (h == 12 || h == 14 ? x : z);
    return ((h & 1) ? -u : u) + ((h & 2) ? -v : v);
}

} // namespace

PerlinNoise::PerlinNoise(std::uint64_t seed)
{
    std::array<std::uint8_t, 256> order{};
    std::iota(order.begin(), order.end(), std::uint8_t{0});
    Rng rng(seed);
    for (int i = 255; i > 0; --i)
        std::swap(order[i], order[rng.intBetween(0, i)]);
    for (int i = 0; i < 512; ++i)
        permutation_[i] = order[i & 255];
}

float PerlinNoise::at(float x, float y, float z) const
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const float fz = std::floor(z);
    const int xi = static_cast<int>(fx) & 255;
    const int yi = static_cast<int>(fy) & 255;
    const int zi = static_cast<int>(fz) & 255;
    x -= fx;
    y -= fy;
    z -= fz;
    const float u = fade(x);
    const float v = fade(y);
    const float w = fade(z);

    const auto& p = permutation_;
    const int a = p[xi] + yi, aa = p[a] + zi, ab = p[a + 1] + zi;
    const int b = p[xi + 1] + yi, ba = p[b] + zi, bb = p[b + 1] + zi;

    return lerpf(lerpf(lerpf(gradient(p[aa], x, y, z), gradient(p[ba], x - 1, y, z), u),
                       lerpf(gradient(p[ab], x, y - 1, z), gradient(p[bb], x - 1, y - 1, z), u), v),
                 lerpf(lerpf(gradient(p[aa + 1], x, y, z - 1), gradient(p[ba + 1], x - 1, y, z - 1), u),
                       lerpf(gradient(p[ab + 1], x, y - 1, z - 1), gradient(p[bb + 1], x - 1, y - 1, z - 1), u), v),
                 w);
}
