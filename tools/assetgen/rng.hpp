#pragma once
#include <cmath>
#include <cstdint>
#include <numbers>

// Splitmix64: tiny, fast and fully deterministic, so every rerun of the
// generator writes byte-identical art.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t nextU64()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(nextU64() >> 11) * 0x1.0p-53; }

    double uniform(double lo, double hi) { return lo + (hi - lo) * unit(); }

    // Uniform integer in [lo, hi].
    int intBetween(int lo, int hi)
    {
        return lo + static_cast<int>(nextU64() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    bool chance(double probability) { return unit() < probability; }

    double sign() { return chance(0.5) ? 1.0 : -1.0; }

    // Standard normal via Box-Muller; one value per call keeps the stream simple.
    double gaussian()
    {
        const double u1 = 1.0 - unit();
        const double u2 = unit();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    }

private:
    std::uint64_t state_;
};
