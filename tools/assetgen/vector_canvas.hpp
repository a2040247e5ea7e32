#pragma once
#include "colour.hpp"
#include "rgba_image.hpp"
#include "vec2.hpp"

#include <span>
#include <vector>

// A tiny anti-aliased painter for small images such as icons. Shapes are given
// in unit coordinates (0..1 across the canvas) and composited front-to-back
// in the order they are drawn.
class VectorCanvas {
public:
    explicit VectorCanvas(int size);

    void fillPolygon(std::span<const Vec2> polygon, Rgb colour, float opacity = 1.0f);
    // Stroke width is in pixels so outlines stay crisp at every icon size.
    void strokePolygon(std::span<const Vec2> polygon, float widthPixels, Rgb colour, float opacity = 1.0f);
    // Soft light that fades out over `radiusPixels` around (and inside) a polygon.
    void glowAround(std::span<const Vec2> polygon, float radiusPixels, Rgb colour, float strength);

    RgbaImage toImage() const;

private:
    struct Premultiplied {
        float r = 0, g = 0, b = 0, a = 0;
    };

    template <typename CoverageAt>
    void paint(Rgb colour, float opacity, CoverageAt coverageAt);

    int size_;
    std::vector<Premultiplied> pixels_;
};
