#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;

    Rgb operator+(Rgb o) const { return {r + o.r, g + o.g, b + o.b}; }
    Rgb operator*(float s) const { return {r * s, g * s, b * s}; }
    Rgb& operator+=(Rgb o) { r += o.r; g += o.g; b += o.b; return *this; }
    float maxChannel() const { return std::max({r, g, b}); }
};

inline Rgb mix(Rgb a, Rgb b, float t) { return a + (b + a * -1.0f) * t; }

inline float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

inline float smoothstep(float edge0, float edge1, float v)
{
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

inline std::uint8_t toByte(float v) { return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255.0f)); }
