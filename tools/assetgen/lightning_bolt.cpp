#include "lightning_bolt.hpp"

#include <algorithm>

namespace {

constexpr double kShortestPiece = 4.0;  // pixels; finer than this is invisible
constexpr double kRoughnessFalloff = 0.52;

void displaceMidpoints(Rng& rng, std::vector<Vec2>& path, Vec2 a, Vec2 b, double offset)
{
    const Vec2 span = b - a;
    if (span.length() < kShortestPiece) {
        path.push_back(b);
        return;
    }
    const Vec2 mid = lerp(a, b, 0.5 + 0.08 * rng.gaussian()) + span.normalized().perpendicular() * (rng.gaussian() * offset);
    displaceMidpoints(rng, path, a, mid, offset * kRoughnessFalloff);
    displaceMidpoints(rng, path, mid, b, offset * kRoughnessFalloff);
}

void growBolt(Rng& rng, Vec2 from, Vec2 to, const BoltStyle& style, std::vector<BoltSegment>& out)
{
    const double length = (to - from).length();
    std::vector<Vec2> path{from};
    displaceMidpoints(rng, path, from, to, length * style.jaggedness);

    const size_t count = path.size();
    for (size_t i = 0; i + 1 < count; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(count - 1);
        // Taper toward the tip so bolts fade into the air instead of ending bluntly.
        const float taper = 1.0f - 0.75f * t * t;
        const float emerge = style.fadeIn > 0.0f ? std::min(1.0f, 0.25f + 0.75f * t / style.fadeIn) : 1.0f;
        out.push_back({path[i], path[i + 1], style.rootWidth * (0.45f + 0.55f * taper), style.intensity * taper * emerge});
    }

    if (style.branchDepth <= 0)
        return;
    for (size_t i = 2; i + 3 < count; ++i) {
        if (!rng.chance(style.branchChance))
            continue;
        const double t = static_cast<double>(i) / static_cast<double>(count - 1);
        const Vec2 heading = (path[i + 2] - path[i - 2]).normalized();
        const Vec2 direction = heading.rotated(rng.sign() * rng.uniform(0.35, 0.95));
        const double forkLength = length * (1.0 - t) * style.branchLength * rng.uniform(0.5, 1.2);
        if (forkLength < 8.0)
            continue;
        BoltStyle fork = style;
        fork.rootWidth = std::max(0.45f, style.rootWidth * (1.0f - 0.6f * static_cast<float>(t)) * 0.6f);
        fork.intensity = style.intensity * static_cast<float>(0.75 - 0.3 * t);
        fork.branchDepth = style.branchDepth - 1;
        fork.branchChance = style.branchChance * 0.7;
        fork.jaggedness = style.jaggedness * 1.15;
        fork.fadeIn = 0.0f;
        growBolt(rng, path[i], path[i] + direction * forkLength, fork, out);
    }
}

} // namespace

std::vector<BoltSegment> generateBolt(Rng& rng, Vec2 from, Vec2 to, const BoltStyle& style)
{
    std::vector<BoltSegment> segments;
    growBolt(rng, from, to, style, segments);
    return segments;
}
