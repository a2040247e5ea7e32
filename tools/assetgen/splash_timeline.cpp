#include "splash_timeline.hpp"

#include "rng.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Frame ranges of the four acts.
constexpr int kFirstGrowthFrame = 2;
constexpr int kLastGrowthFrame = 21;
constexpr int kFirstDischargeFrame = 22;
constexpr int kLastDischargeFrame = 31;

constexpr double kCentreX = kSplashWidth / 2.0;

double easeOutQuart(double t)
{
    const double u = 1.0 - t;
    return 1.0 - u * u * u * u;
}

double lerp(double a, double b, double t) { return a + (b - a) * t; }

// Size of the fully grown cloud.
constexpr double kGrownRadiusX = 168.0;
constexpr double kGrownRadiusY = 82.0;
constexpr double kGrownCentreY = 205.0;

} // namespace

SplashFrameParams splashFrameParams(int frameNumber)
{
    SplashFrameParams p;
    p.frameNumber = frameNumber;
    p.time = static_cast<float>(frameNumber) * 0.11f;
    Rng rng(0x5EED0000u + static_cast<unsigned>(frameNumber));

    if (frameNumber < kFirstGrowthFrame) {
        p.centre = {kCentreX, 178.0};
        p.radiusX = 40.0;
        p.radiusY = 32.0;
        p.opacity = 0.5f;
        p.detail = 0.8f;
        p.blueTint = 1.0f;
        p.haze = 1.0f;
        p.afterglow = 0.5f;
        return p;
    }

    if (frameNumber <= kLastGrowthFrame) {
        const double t = static_cast<double>(frameNumber - kFirstGrowthFrame) / (kLastGrowthFrame - kFirstGrowthFrame);
        const double grown = easeOutQuart(t);
        p.centre = {kCentreX, lerp(182.0, kGrownCentreY, grown)};
        p.radiusX = lerp(74.0, kGrownRadiusX, grown);
        p.radiusY = lerp(54.0, kGrownRadiusY, grown);
        p.opacity = static_cast<float>(lerp(0.7, 1.0, std::min(1.0, t * 2.0)));
        p.detail = static_cast<float>(lerp(0.7, 1.0, std::min(1.0, t * 3.0)));
        p.blueTint = static_cast<float>(std::max(0.0, 0.7 - t * 3.0));
        p.haze = static_cast<float>(std::max(0.0, 1.0 - t * 2.5));
        p.innerBolts = rng.intBetween(1, t < 0.3 ? 2 : 3);
        // Flicker: most frames crackle, a few flash brighter.
        const double flash = rng.chance(0.25) ? 1.25 : rng.uniform(0.75, 1.0);
        p.innerBrightness = static_cast<float>(lerp(0.55, 0.9, t) * flash);
        p.afterglow = static_cast<float>(0.06 + 0.08 * rng.unit());
        return p;
    }

    if (frameNumber <= kLastDischargeFrame) {
        const int step = frameNumber - kFirstDischargeFrame; // 0..9
        const double t = step / 9.0;
        p.centre = {kCentreX, kGrownCentreY + 2.0 * t};
        p.radiusX = kGrownRadiusX + 8.0 * t;
        p.radiusY = kGrownRadiusY + 3.0 * t;
        p.opacity = 1.0f;
        p.detail = 1.0f;
        // Builds up over two frames, rages, then weakens over the last two.
        static constexpr float kEnvelope[] = {0.6f, 0.85f, 1.0f, 0.95f, 1.0f, 1.0f, 0.9f, 1.0f, 0.8f, 0.55f};
        p.dischargeBrightness = kEnvelope[step] * static_cast<float>(rng.uniform(0.9, 1.05));
        p.discharges = step < 2 || step > 7 ? rng.intBetween(1, 2) : rng.intBetween(2, 3);
        p.innerBolts = rng.intBetween(1, 2);
        p.innerBrightness = 0.9f * kEnvelope[step];
        p.afterglow = 0.35f * kEnvelope[step];
        return p;
    }

    // Dying away: the cloud spreads flat and fades to a smudge.
    const double k = (frameNumber - kLastDischargeFrame) / 4.0; // 0.25..1
    p.centre = {kCentreX, lerp(kGrownCentreY + 2.0, kGrownCentreY + 30.0, k)};
    p.radiusX = lerp(kGrownRadiusX + 8.0, kGrownRadiusX + 48.0, k);
    p.radiusY = lerp(kGrownRadiusY + 3.0, 46.0, k);
    p.opacity = static_cast<float>(lerp(0.95, 0.34, k));
    p.detail = static_cast<float>(lerp(0.95, 0.4, k));
    p.smear = static_cast<float>(lerp(0.0, 5.0, k * k));
    p.haze = static_cast<float>(1.2 * k);
    p.afterglow = static_cast<float>(std::max(0.0, 0.3 * (1.0 - 2.0 * k)));
    return p;
}
