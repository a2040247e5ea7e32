#include "pngkit/ImageDrawing.h"

#include "pngkit/Canvas.h"

namespace tessellon::kit {
namespace {

struct ImageAttributesDeleter {
    void operator()(Gdiplus::GpImageAttributes* attributes) const {
        if (attributes) GdipDisposeImageAttributes(attributes);
    }
};
using ImageAttributesPtr = std::unique_ptr<Gdiplus::GpImageAttributes, ImageAttributesDeleter>;

void DrawWholeImage(GpGraphics* graphics, GpImage* image, Gdiplus::REAL x, Gdiplus::REAL y, Gdiplus::REAL width,
                    Gdiplus::REAL height, Gdiplus::REAL imageWidth, Gdiplus::REAL imageHeight) {
    Gdiplus::GpImageAttributes* rawAttributes = nullptr;
    GdipCreateImageAttributes(&rawAttributes);
    ImageAttributesPtr attributes(rawAttributes);
    if (attributes) GdipSetImageAttributesWrapMode(attributes.get(), Gdiplus::WrapModeTileFlipXY, 0, FALSE);
    GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0, imageWidth, imageHeight, Gdiplus::UnitPixel,
                          attributes.get(), nullptr, nullptr);
}

// The image scaled to width x height in a picture of its own.
ImagePtr ScaledCopy(GpImage* image, int width, int height, Gdiplus::REAL imageWidth, Gdiplus::REAL imageHeight) {
    Canvas canvas = MakeCanvas(width, height);
    if (!canvas) return nullptr;
    DrawWholeImage(canvas.graphics.get(), image, 0, 0, static_cast<Gdiplus::REAL>(width),
                   static_cast<Gdiplus::REAL>(height), imageWidth, imageHeight);
    return canvas.Take();
}

}  // namespace

void DrawImageScaled(GpGraphics* graphics, GpImage* image, Gdiplus::REAL x, Gdiplus::REAL y,
                     Gdiplus::REAL width, Gdiplus::REAL height) {
    Gdiplus::REAL imageWidth = 0, imageHeight = 0;
    GdipGetImageDimension(image, &imageWidth, &imageHeight);
    const bool scaled = width != imageWidth || height != imageHeight;
    const bool atOrigin = x == 0 && y == 0;
    if (!scaled || atOrigin) {
        DrawWholeImage(graphics, image, x, y, width, height, imageWidth, imageHeight);
        return;
    }
    // Scaling straight into a rectangle away from the origin can lose its first row or column to
    // rounding (Wine's GDI+ does); scaled at the origin of a picture of its own, nothing is lost.
    const int wholeWidth = static_cast<int>(width + 0.5f);
    const int wholeHeight = static_cast<int>(height + 0.5f);
    if (wholeWidth <= 0 || wholeHeight <= 0) return;
    if (ImagePtr copy = ScaledCopy(image, wholeWidth, wholeHeight, imageWidth, imageHeight))
        DrawImagePart(graphics, copy.get(), x, y, static_cast<Gdiplus::REAL>(wholeWidth),
                      static_cast<Gdiplus::REAL>(wholeHeight));
}

void DrawImagePart(GpGraphics* graphics, GpImage* image, Gdiplus::REAL x, Gdiplus::REAL y,
                   Gdiplus::REAL width, Gdiplus::REAL height) {
    // Same source and destination size: no scaling, and no resolution conversion either.
    GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0, width, height, Gdiplus::UnitPixel, nullptr,
                          nullptr, nullptr);
}

}  // namespace tessellon::kit
