#pragma once
#include <cmath>

struct Vec2 {
    double x = 0.0;
    double y = 0.0;

    Vec2 operator+(Vec2 o) const { return {x + o.x, y + o.y}; }
    Vec2 operator-(Vec2 o) const { return {x - o.x, y - o.y}; }
    Vec2 operator*(double s) const { return {x * s, y * s}; }
    double length() const { return std::hypot(x, y); }
    Vec2 normalized() const
    {
        const double len = length();
        return len > 0.0 ? Vec2{x / len, y / len} : Vec2{};
    }
    Vec2 perpendicular() const { return {-y, x}; }
    Vec2 rotated(double radians) const
    {
        const double c = std::cos(radians);
        const double s = std::sin(radians);
        return {x * c - y * s, x * s + y * c};
    }
};

inline double dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline Vec2 lerp(Vec2 a, Vec2 b, double t) { return a + (b - a) * t; }
