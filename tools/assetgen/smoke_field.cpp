#include "smoke_field.hpp"

#include "colour.hpp"
#include "fractal_noise.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Smoke thins out gently well before the window edge, so nothing is ever cut off by it.
float windowFade(int x, int y)
{
    constexpr float kMarginX = 70.0f;
    constexpr float kMarginY = 45.0f;
    const auto fromSide = static_cast<float>(std::min(x, kSplashWidth - 1 - x));
    const auto fromTopOrBottom = static_cast<float>(std::min(y, kSplashHeight - 1 - y));
    return smoothstep(4.0f, kMarginX, fromSide) * smoothstep(4.0f, kMarginY, fromTopOrBottom);
}

} // namespace

GrayField smokeDensity(const SplashFrameParams& params, const PerlinNoise& noise)
{
    GrayField density(kSplashWidth, kSplashHeight);

    const auto rx = static_cast<float>(params.radiusX);
    const auto ry = static_cast<float>(params.radiusY);
    const auto cx = static_cast<float>(params.centre.x);
    const auto cy = static_cast<float>(params.centre.y);
    // Features grow with the cloud, but more slowly, so a big cloud keeps fine wisps.
    const float featureSize = 16.0f + 0.44f * rx;
    const float z = params.time;
    const float rise = params.time * 0.45f;
    const float detail = params.detail;

    for (int y = 0; y < density.height; ++y) {
        for (int x = 0; x < density.width; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - cx;
            const float dy = static_cast<float>(y) + 0.5f - cy;
            const float ex = dx / rx;
            const float ey = dy / ry;
            if (ex * ex + ey * ey > 3.2f * 3.2f)
                continue; // far beyond anything the warp can reach

            const float u = dx / featureSize;
            const float v = dy / featureSize;

            // Big lumps in the outline scale with the cloud, so it stays one body at every size.
            const float lumpX = fbm(noise, ex * 1.1f + 1.7f, dy / rx * 1.1f + 9.2f, z * 0.35f, 3);
            const float lumpY = fbm(noise, ex * 1.1f + 8.3f, dy / rx * 1.1f + 2.8f, z * 0.35f + 5.0f, 3);

            // Slow swirls bend the smoke detail, which also drifts upward.
            const float swirlX = fbm(noise, u * 0.5f + 3.9f, v * 0.5f + 7.1f + rise * 0.3f, z * 0.45f, 4);
            const float swirlY = fbm(noise, u * 0.5f + 6.2f, v * 0.5f + 0.4f + rise * 0.3f, z * 0.45f + 5.0f, 4);
            const float wu = u + 0.9f * swirlX;
            const float wv = v + 0.9f * swirlY + rise;
            const float body = fbm(noise, wu, wv, z, 5, 0.45f);                               // soft mass
            const float puffs = turbulence(noise, wu + 4.1f, wv - 3.3f, z * 0.8f, 4, 0.45f); // rounded billows

            // Outline: a lumpy ellipse with billowing edges, flatter underneath.
            const float sx = ex + 0.5f * lumpX;
            float sy = ey + 0.5f * lumpY;
            if (sy > 0.0f)
                sy *= 1.25f;
            const float radius = std::sqrt(sx * sx + sy * sy);
            const float edge = radius - detail * (0.9f * puffs + 0.6f * body - 0.1f);
            const float mass = smoothstep(1.0f, 0.2f, edge);
            const float texture = 0.75f + detail * (1.5f * body + 0.5f * puffs - 0.12f);

            // Thin streaky haze around smoke that is still spreading out.
            const float hazeReach = smoothstep(1.75f, 0.8f, edge);
            const float haze = params.haze * hazeReach * 0.06f * std::clamp(0.6f + 2.2f * body + puffs, 0.0f, 1.6f);

            density.at(x, y) = (mass * std::max(0.0f, texture) + (1.0f - mass) * haze) * windowFade(x, y);
        }
    }
    return density;
}
