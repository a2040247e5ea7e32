#pragma once
#include "rng.hpp"
#include "vec2.hpp"

#include <vector>

// One straight piece of a bolt, ready to rasterise.
struct BoltSegment {
    Vec2 from;
    Vec2 to;
    float width = 1.0f;     // core thickness in pixels
    float intensity = 1.0f; // brightness of the core
};

struct BoltStyle {
    float rootWidth = 1.2f;
    float intensity = 1.0f;
    double jaggedness = 0.12;  // first midpoint offset as a fraction of the bolt's length
    int branchDepth = 2;       // how many generations of forks may grow
    double branchChance = 0.06; // per path vertex
    double branchLength = 0.45; // fork length relative to what is left of the parent
    float fadeIn = 0.0f;        // fraction of the length over which the root brightens (emerging from smoke)
};

// A forked bolt from `from` towards `to`, built by midpoint displacement.
// Forks sprout sideways, are thinner and dimmer, and may fork again.
std::vector<BoltSegment> generateBolt(Rng& rng, Vec2 from, Vec2 to, const BoltStyle& style);
