#include "click_sound.hpp"

#include "rng.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

constexpr std::uint64_t kNoiseSeed = 0xC11C5EEDu;

struct Burst {
    double startSeconds;
    double lengthSeconds; // the envelope reaches zero here
    double gain;
};

// The first snap dies out by 23 ms; the second starts at 26 ms and is gone by 55 ms.
constexpr Burst kBursts[] = {
    {0.000, 0.023, 1.0},
    {0.026, 0.029, 0.7},
};

constexpr double kAttackSeconds = 0.0005;
constexpr double kDecaySharpness = 5.0; // e-foldings over the burst; the tail then ramps to zero
constexpr double kPeakDbfs = -3.0;

double burstEnvelope(const Burst& burst, double t)
{
    const double local = t - burst.startSeconds;
    if (local < 0.0 || local >= burst.lengthSeconds)
        return 0.0;
    const double attack = local < kAttackSeconds ? 0.5 - 0.5 * std::cos(std::numbers::pi * local / kAttackSeconds) : 1.0;
    const double progress = local / burst.lengthSeconds;
    return burst.gain * attack * std::exp(-kDecaySharpness * progress) * (1.0 - progress);
}

} // namespace

PcmSound synthesiseClickSound()
{
    Rng rng(kNoiseSeed);
    std::vector<double> wave(kClickFrameCount);
    for (int frame = 0; frame < kClickFrameCount; ++frame) {
        const double t = static_cast<double>(frame) / kClickSampleRate;
        double envelope = 0.0;
        for (const Burst& burst : kBursts)
            envelope += burstEnvelope(burst, t);
        // Draw noise for every frame so the bursts' timing never shifts the noise stream.
        wave[static_cast<std::size_t>(frame)] = envelope * rng.uniform(-1.0, 1.0);
    }

    double peak = 0.0;
    for (double v : wave)
        peak = std::max(peak, std::abs(v));
    if (peak <= 0.0)
        throw std::logic_error("click sound came out silent");
    const double scale = 32767.0 * std::pow(10.0, kPeakDbfs / 20.0) / peak;

    // The same snap in both channels: a click from the middle, not from one side.
    PcmSound sound{kClickChannels, kClickSampleRate, {}};
    sound.samples.reserve(static_cast<std::size_t>(kClickFrameCount) * kClickChannels);
    for (double v : wave) {
        const auto sample = static_cast<std::int16_t>(std::lround(v * scale));
        for (int channel = 0; channel < kClickChannels; ++channel)
            sound.samples.push_back(sample);
    }
    return sound;
}
