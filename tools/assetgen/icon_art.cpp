#include "icon_art.hpp"

#include "vector_canvas.hpp"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Top face of the slab: a 3:2 diamond, shaped like a 48x32 floor tile.
constexpr Vec2 kTopCorner{0.50, 0.36};
constexpr Vec2 kRightCorner{0.92, 0.64};
constexpr Vec2 kBottomCorner{0.50, 0.92};
constexpr Vec2 kLeftCorner{0.08, 0.64};
constexpr double kSlabThickness = 0.06;

constexpr Rgb kTileLight{0.31f, 0.40f, 0.54f};
constexpr Rgb kTileDark{0.21f, 0.27f, 0.38f};
constexpr Rgb kGrout{0.09f, 0.12f, 0.17f};
constexpr Rgb kLeftSide{0.16f, 0.20f, 0.28f};
constexpr Rgb kRightSide{0.10f, 0.13f, 0.19f};
constexpr Rgb kOutline{0.04f, 0.05f, 0.07f};
constexpr Rgb kBoltFill{0.90f, 0.96f, 1.0f};
constexpr Rgb kBoltEdge{0.18f, 0.48f, 1.0f};
constexpr Rgb kGlow{0.25f, 0.56f, 1.0f};

Vec2 down(Vec2 p) { return {p.x, p.y + kSlabThickness}; }

// Point on the top face: u runs toward the right corner, v toward the left corner.
Vec2 onTopFace(double u, double v) { return kTopCorner + (kRightCorner - kTopCorner) * u + (kLeftCorner - kTopCorner) * v; }

std::vector<Vec2> shrunkToward(const std::vector<Vec2>& polygon, Vec2 centre, double inset)
{
    std::vector<Vec2> result;
    for (const Vec2 p : polygon)
        result.push_back(p + (centre - p).normalized() * inset);
    return result;
}

void drawSlab(VectorCanvas& canvas, int size)
{
    const std::vector<Vec2> silhouette{kTopCorner, kRightCorner, down(kRightCorner), down(kBottomCorner), down(kLeftCorner), kLeftCorner};
    const std::vector<Vec2> leftSide{kLeftCorner, kBottomCorner, down(kBottomCorner), down(kLeftCorner)};
    const std::vector<Vec2> rightSide{kBottomCorner, kRightCorner, down(kRightCorner), down(kBottomCorner)};
    const std::vector<Vec2> topFace{kTopCorner, kRightCorner, kBottomCorner, kLeftCorner};

    canvas.fillPolygon(leftSide, kLeftSide);
    canvas.fillPolygon(rightSide, kRightSide);
    canvas.fillPolygon(topFace, kGrout);

    // Fewer, bigger tiles at small sizes so the pattern survives.
    const int tilesPerSide = size <= 16 ? 2 : 3;
    const double grout = size <= 16 ? 0.0 : 0.7 / size;
    for (int i = 0; i < tilesPerSide; ++i) {
        for (int j = 0; j < tilesPerSide; ++j) {
            const double u0 = static_cast<double>(i) / tilesPerSide;
            const double u1 = static_cast<double>(i + 1) / tilesPerSide;
            const double v0 = static_cast<double>(j) / tilesPerSide;
            const double v1 = static_cast<double>(j + 1) / tilesPerSide;
            const std::vector<Vec2> tile{onTopFace(u0, v0), onTopFace(u1, v0), onTopFace(u1, v1), onTopFace(u0, v1)};
            const Vec2 centre = onTopFace((u0 + u1) / 2, (v0 + v1) / 2);
            // Checkerboard, a touch brighter toward the far corner where the light comes from.
            // At 16 px the tiles are only a few pixels each; extra contrast keeps them apart.
            const Rgb light = size <= 16 ? kTileLight * 1.3f : kTileLight;
            const Rgb base = (i + j) % 2 == 0 ? light : kTileDark;
            const float nearness = static_cast<float>((u0 + v0) / 2.0);
            canvas.fillPolygon(shrunkToward(tile, centre, grout), base * (1.1f - 0.25f * nearness));
        }
    }

    // The top edges catch the light.
    canvas.strokePolygon(std::vector<Vec2>{kLeftCorner, kTopCorner, kRightCorner, kTopCorner}, size <= 16 ? 0.6f : 0.9f,
                         Rgb{0.55f, 0.65f, 0.80f}, 0.6f);
    canvas.strokePolygon(silhouette, size <= 16 ? 0.8f : 1.0f, kOutline, 0.9f);
}

std::vector<Vec2> ellipse(Vec2 centre, double rx, double ry)
{
    std::vector<Vec2> points;
    constexpr int kSteps = 24;
    for (int i = 0; i < kSteps; ++i) {
        const double a = 2.0 * std::numbers::pi * i / kSteps;
        points.push_back({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)});
    }
    return points;
}

void drawBolt(VectorCanvas& canvas, int size)
{
    const std::vector<Vec2> bolt{{0.60, 0.05}, {0.76, 0.05}, {0.61, 0.29}, {0.73, 0.29},
                                 {0.42, 0.69}, {0.50, 0.41}, {0.37, 0.41}};
    const Vec2 strikePoint{0.43, 0.67};

    // Where it hits, the tiles light up. At 16 px a big glow would only smear the tiles.
    const bool tiny = size <= 16;
    if (!tiny)
        canvas.glowAround(ellipse(strikePoint, 0.06, 0.04), 0.16f * size, kGlow, 0.55f);
    canvas.glowAround(bolt, (tiny ? 0.05f : 0.065f) * size, kGlow, tiny ? 0.25f : 0.6f);
    canvas.fillPolygon(bolt, kBoltFill);
    canvas.strokePolygon(bolt, size <= 16 ? 0.7f : 1.0f, kBoltEdge, 0.9f);
}

} // namespace

RgbaImage renderIcon(int size)
{
    VectorCanvas canvas(size);
    drawSlab(canvas, size);
    drawBolt(canvas, size);
    return canvas.toImage();
}
