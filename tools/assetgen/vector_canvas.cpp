#include "vector_canvas.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kSamplesPerAxis = 8;

bool insidePolygon(std::span<const Vec2> polygon, Vec2 p)
{
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Vec2 a = polygon[i];
        const Vec2 b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

double distanceToSegment(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 ab = b - a;
    const double lengthSquared = dot(ab, ab);
    const double t = lengthSquared > 0.0 ? std::clamp(dot(p - a, ab) / lengthSquared, 0.0, 1.0) : 0.0;
    return (p - (a + ab * t)).length();
}

double distanceToOutline(std::span<const Vec2> polygon, Vec2 p)
{
    double best = std::numeric_limits<double>::max();
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        best = std::min(best, distanceToSegment(p, polygon[j], polygon[i]));
    return best;
}

std::vector<Vec2> toPixels(std::span<const Vec2> polygon, int size)
{
    std::vector<Vec2> scaled;
    for (const Vec2 p : polygon)
        scaled.push_back(p * size);
    return scaled;
}

} // namespace

VectorCanvas::VectorCanvas(int size) : size_(size), pixels_(static_cast<size_t>(size) * size) {}

template <typename CoverageAt>
void VectorCanvas::paint(Rgb colour, float opacity, CoverageAt coverageAt)
{
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            const float coverage = coverageAt(x, y) * opacity;
            if (coverage <= 0.0f)
                continue;
            Premultiplied& px = pixels_[static_cast<size_t>(y) * size_ + x];
            const float keep = 1.0f - coverage;
            px.r = colour.r * coverage + px.r * keep;
            px.g = colour.g * coverage + px.g * keep;
            px.b = colour.b * coverage + px.b * keep;
            px.a = coverage + px.a * keep;
        }
    }
}

void VectorCanvas::fillPolygon(std::span<const Vec2> polygon, Rgb colour, float opacity)
{
    const auto shape = toPixels(polygon, size_);
    paint(colour, opacity, [&](int x, int y) {
        int hits = 0;
        for (int sy = 0; sy < kSamplesPerAxis; ++sy)
            for (int sx = 0; sx < kSamplesPerAxis; ++sx)
                hits += insidePolygon(shape, {x + (sx + 0.5) / kSamplesPerAxis, y + (sy + 0.5) / kSamplesPerAxis});
        return static_cast<float>(hits) / (kSamplesPerAxis * kSamplesPerAxis);
    });
}

void VectorCanvas::strokePolygon(std::span<const Vec2> polygon, float widthPixels, Rgb colour, float opacity)
{
    const auto shape = toPixels(polygon, size_);
    const double half = widthPixels * 0.5;
    paint(colour, opacity, [&](int x, int y) {
        int hits = 0;
        for (int sy = 0; sy < kSamplesPerAxis; ++sy)
            for (int sx = 0; sx < kSamplesPerAxis; ++sx)
                hits += distanceToOutline(shape, {x + (sx + 0.5) / kSamplesPerAxis, y + (sy + 0.5) / kSamplesPerAxis}) <= half;
        return static_cast<float>(hits) / (kSamplesPerAxis * kSamplesPerAxis);
    });
}

void VectorCanvas::glowAround(std::span<const Vec2> polygon, float radiusPixels, Rgb colour, float strength)
{
    const auto shape = toPixels(polygon, size_);
    paint(colour, 1.0f, [&](int x, int y) {
        const Vec2 centre{x + 0.5, y + 0.5};
        const double d = insidePolygon(shape, centre) ? 0.0 : distanceToOutline(shape, centre);
        const double falloff = d / radiusPixels;
        return strength * static_cast<float>(std::exp(-falloff * falloff * 2.5));
    });
}

RgbaImage VectorCanvas::toImage() const
{
    RgbaImage image(size_, size_);
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            const Premultiplied& px = pixels_[static_cast<size_t>(y) * size_ + x];
            std::uint8_t* out = image.pixel(x, y);
            const std::uint8_t alpha = toByte(px.a);
            if (alpha == 0)
                continue;
            out[0] = toByte(px.r / px.a);
            out[1] = toByte(px.g / px.a);
            out[2] = toByte(px.b / px.a);
            out[3] = alpha;
        }
    }
    return image;
}
