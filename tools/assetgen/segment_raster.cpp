#include "segment_raster.hpp"

#include <algorithm>
#include <cmath>

namespace {

double distanceToSegment(Vec2 p, Vec2 a, Vec2 b)
{
    const Vec2 ab = b - a;
    const double lengthSquared = dot(ab, ab);
    const double t = lengthSquared > 0.0 ? std::clamp(dot(p - a, ab) / lengthSquared, 0.0, 1.0) : 0.0;
    return (p - (a + ab * t)).length();
}

void drawSegment(GrayField& target, const BoltSegment& segment)
{
    // Sub-pixel strokes are drawn one pixel wide but dimmer, which reads as thinner.
    const double halfWidth = std::max(0.5, segment.width * 0.5);
    const float strength = segment.intensity * std::min(1.0f, segment.width);
    const double reach = halfWidth + 1.0;

    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(segment.from.x, segment.to.x) - reach)));
    const int x1 = std::min(target.width - 1, static_cast<int>(std::ceil(std::max(segment.from.x, segment.to.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(segment.from.y, segment.to.y) - reach)));
    const int y1 = std::min(target.height - 1, static_cast<int>(std::ceil(std::max(segment.from.y, segment.to.y) + reach)));

    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double d = distanceToSegment({x + 0.5, y + 0.5}, segment.from, segment.to);
            const float coverage = static_cast<float>(std::clamp(halfWidth + 0.5 - d, 0.0, 1.0));
            float& value = target.at(x, y);
            value = std::max(value, strength * coverage);
        }
    }
}

} // namespace

void drawSegments(GrayField& target, std::span<const BoltSegment> segments)
{
    for (const auto& segment : segments)
        drawSegment(target, segment);
}
