#include "splash_frame.hpp"

#include "blur.hpp"
#include "colour.hpp"
#include "pixel_quantiser.hpp"
#include "segment_raster.hpp"
#include "smoke_field.hpp"
#include "splash_bolts.hpp"
#include "splash_timeline.hpp"

#include <cmath>

namespace {

constexpr Rgb kSmokeShadow{0.085f, 0.09f, 0.105f};
constexpr Rgb kSmokeHighlight{0.40f, 0.41f, 0.44f};
constexpr Rgb kPuffBlue{0.30f, 0.42f, 0.68f};
constexpr Rgb kScatterBlue{0.16f, 0.38f, 1.0f};
constexpr Rgb kGlowBlue{0.22f, 0.52f, 1.0f};
constexpr Rgb kCoreWhite{0.82f, 0.92f, 1.0f};

// Alpha ramps to zero this close to the frame border so no glow is cut off hard.
constexpr float kBorderFade = 16.0f;
// Alpha below this is written as fully transparent.
constexpr float kInvisible = 1.5f / 255.0f;

struct LightFields {
    GrayField core;
    GrayField tightGlow;
    GrayField haloGlow;
    GrayField wideGlow;
};

LightFields lightningFor(const SplashFrameParams& params)
{
    LightFields light;
    light.core = GrayField(kSplashWidth, kSplashHeight);
    const auto segments = splashBolts(params);
    drawSegments(light.core, segments);
    light.tightGlow = gaussianBlurred(light.core, 1.8f);
    light.haloGlow = gaussianBlurred(light.core, 6.0f);
    light.wideGlow = gaussianBlurred(light.core, 16.0f);
    return light;
}

float borderFade(int x, int y)
{
    const float fx = smoothstep(0.0f, kBorderFade, static_cast<float>(std::min(x, kSplashWidth - 1 - x)));
    const float fy = smoothstep(0.0f, kBorderFade, static_cast<float>(std::min(y, kSplashHeight - 1 - y)));
    return fx * fy;
}

// Soft light source in the cloud's heart, for the newborn puff and the embers at the end.
float afterglowAt(const SplashFrameParams& params, int x, int y)
{
    const double ex = (x - params.centre.x) / (params.radiusX * 0.7);
    const double ey = (y - params.centre.y) / (params.radiusY * 0.7);
    return params.afterglow * static_cast<float>(std::exp(-(ex * ex + ey * ey)));
}

} // namespace

RgbaImage renderSplashFrame(int frameNumber, const PerlinNoise& noise)
{
    const SplashFrameParams params = splashFrameParams(frameNumber);

    GrayField density = smokeDensity(params, noise);
    if (params.smear > 0.0f)
        density = gaussianBlurred(density, params.smear);
    // Thick smoke swallows light, so its core reads darker.
    const GrayField thickness = gaussianBlurred(density, 12.0f);
    // Shade from a slightly softened copy: reads as volume rather than embossed noise.
    const GrayField shape = gaussianBlurred(density, 2.5f);
    const LightFields light = lightningFor(params);

    RgbaImage image(kSplashWidth, kSplashHeight);
    for (int y = 0; y < kSplashHeight; ++y) {
        for (int x = 0; x < kSplashWidth; ++x) {
            const float d = density.at(x, y);
            const float smokeAlpha = 1.0f - std::exp(-d * params.opacity * 5.5f);

            // Light from above: surfaces whose upper neighbour is thinner catch it.
            const float relief = shape.at(x, y) - shape.atOrZero(x - 3, y - 6);
            const float lit = clamp01(0.45f + 2.8f * relief);
            Rgb smoke = mix(kSmokeShadow, kSmokeHighlight, lit) * (1.0f - 0.45f * clamp01(thickness.at(x, y) * 0.9f));
            smoke = mix(smoke, kPuffBlue, params.blueTint * 0.45f);

            // Lightning light scattered by the smoke around it.
            const float scattered = 2.4f * light.wideGlow.at(x, y) + 1.2f * light.haloGlow.at(x, y) + afterglowAt(params, x, y);
            smoke += kScatterBlue * (scattered * (0.4f + 0.6f * smokeAlpha));

            // The bolts themselves glow on top of everything, additively.
            const float core = light.core.at(x, y);
            const Rgb emission = kCoreWhite * std::min(core, 1.2f) +
                                 kGlowBlue * (1.1f * light.tightGlow.at(x, y) + 2.0f * light.haloGlow.at(x, y) +
                                              1.8f * light.wideGlow.at(x, y));

            // The faintest fringe of the glow is eased out: invisible, but it would
            // otherwise spread barely-transparent pixels over half the frame.
            const float glow = emission.maxChannel() * smoothstep(0.004f, 0.035f, emission.maxChannel());
            Rgb premultiplied = smoke * smokeAlpha + emission * (glow / std::max(emission.maxChannel(), 1e-6f));
            float alpha = smokeAlpha + (1.0f - smokeAlpha) * clamp01(glow);
            const float edgeFade = borderFade(x, y);
            alpha = clamp01(std::max(alpha, premultiplied.maxChannel())) * edgeFade;

            if (alpha < kInvisible)
                continue; // stays (0, 0, 0, 0)
            const float unpremultiply = edgeFade / alpha;
            const QuantisedPixel q = quantisePixel(premultiplied.r * unpremultiply, premultiplied.g * unpremultiply,
                                                   premultiplied.b * unpremultiply, alpha);
            std::uint8_t* out = image.pixel(x, y);
            out[0] = q.r;
            out[1] = q.g;
            out[2] = q.b;
            out[3] = q.a;
        }
    }
    return image;
}
