#pragma once
#include <array>
#include <cstdint>

// Seeded 3D gradient noise (Perlin's improved variant). Output is roughly in [-1, 1].
class PerlinNoise {
public:
    explicit PerlinNoise(std::uint64_t seed);

    float at(float x, float y, float z) const;

private:
    std::array<std::uint8_t, 512> permutation_{};
};
