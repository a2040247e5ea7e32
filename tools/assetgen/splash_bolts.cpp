#include "splash_bolts.hpp"

#include <cmath>
#include <numbers>

namespace {

// Pulls a point back inside the cloud's ellipse (scaled by `limit`).
Vec2 keepInsideCloud(const SplashFrameParams& p, Vec2 point, double limit)
{
    const double ex = (point.x - p.centre.x) / p.radiusX;
    const double ey = (point.y - p.centre.y) / p.radiusY;
    const double r = std::hypot(ex, ey);
    if (r <= limit)
        return point;
    const double s = limit / r;
    return {p.centre.x + ex * s * p.radiusX, p.centre.y + ey * s * p.radiusY};
}

void addInnerBolts(const SplashFrameParams& p, Rng& rng, std::vector<BoltSegment>& out)
{
    for (int i = 0; i < p.innerBolts; ++i) {
        const double angle = rng.uniform(0.0, 2.0 * std::numbers::pi);
        const double r = std::sqrt(rng.uniform(0.0, 0.35));
        const Vec2 start{p.centre.x + std::cos(angle) * r * p.radiusX, p.centre.y + std::sin(angle) * r * p.radiusY};
        // Mostly sideways, like lightning running through a storm cloud.
        const Vec2 direction = Vec2{rng.sign(), 0.0}.rotated(rng.uniform(-0.7, 0.7));
        const double length = p.radiusX * rng.uniform(0.45, 0.9);
        const Vec2 end = keepInsideCloud(p, start + direction * length, 0.78);

        BoltStyle style;
        style.rootWidth = static_cast<float>(rng.uniform(0.8, 1.3));
        style.intensity = p.innerBrightness * static_cast<float>(rng.uniform(0.65, 1.0));
        style.jaggedness = 0.13;
        style.branchDepth = 2;
        style.branchChance = 0.05;
        style.branchLength = 0.45;
        const auto bolt = generateBolt(rng, start, end, style);
        out.insert(out.end(), bolt.begin(), bolt.end());
    }
}

void addDischarges(const SplashFrameParams& p, Rng& rng, std::vector<BoltSegment>& out)
{
    for (int i = 0; i < p.discharges; ++i) {
        // Spread the roots across the top so bolts don't pile up in one spot.
        const double slot = (i + rng.uniform(0.15, 0.85)) / p.discharges;
        const double ex = (slot * 2.0 - 1.0) * 0.55;
        const double topOfCloud = p.centre.y - p.radiusY * std::sqrt(1.0 - ex * ex);
        const Vec2 start{p.centre.x + ex * p.radiusX, topOfCloud + p.radiusY * rng.uniform(0.25, 0.45)};
        const bool reachesTop = rng.chance(0.7);
        const double endY = reachesTop ? rng.uniform(10.0, 34.0) : topOfCloud - rng.uniform(35.0, 65.0);
        const double rise = start.y - endY;
        const Vec2 end{start.x + rng.uniform(-0.45, 0.45) * rise, endY};

        BoltStyle style;
        style.rootWidth = static_cast<float>(rng.uniform(2.0, 2.8));
        style.intensity = p.dischargeBrightness * static_cast<float>(reachesTop ? 1.7 : 1.3);
        style.jaggedness = 0.12;
        style.branchDepth = 2;
        style.branchChance = 0.065;
        style.branchLength = 0.55;
        style.fadeIn = 0.2f;
        const auto bolt = generateBolt(rng, start, end, style);
        out.insert(out.end(), bolt.begin(), bolt.end());
    }
}

} // namespace

std::vector<BoltSegment> splashBolts(const SplashFrameParams& params)
{
    Rng rng(0xB017u * 7919u + static_cast<unsigned>(params.frameNumber));
    std::vector<BoltSegment> segments;
    addInnerBolts(params, rng, segments);
    addDischarges(params, rng, segments);
    return segments;
}
