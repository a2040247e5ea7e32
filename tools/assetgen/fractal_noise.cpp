#include "fractal_noise.hpp"

#include <cmath>

namespace {

constexpr float kLacunarity = 2.03f;
// About 37 degrees between octaves.
constexpr float kRotCos = 0.8f;
constexpr float kRotSin = 0.6f;

template <typename Shape>
float fractalSum(const PerlinNoise& noise, float x, float y, float z, int octaves, float gain, Shape shape)
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float totalAmplitude = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * shape(noise.at(x, y, z));
        totalAmplitude += amplitude;
        const float rx = kRotCos * x - kRotSin * y;
        const float ry = kRotSin * x + kRotCos * y;
        x = rx * kLacunarity + 17.31f;
        y = ry * kLacunarity - 9.73f;
        z = z * 1.5f + 3.17f;
        amplitude *= gain;
    }
    return sum / totalAmplitude;
}

} // namespace

float fbm(const PerlinNoise& noise, float x, float y, float z, int octaves, float gain)
{
    return fractalSum(noise, x, y, z, octaves, gain, [](float n) { return n; });
}

float turbulence(const PerlinNoise& noise, float x, float y, float z, int octaves, float gain)
{
    return fractalSum(noise, x, y, z, octaves, gain, [](float n) { return std::fabs(n); });
}
