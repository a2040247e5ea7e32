#include "pngkit/ImageDrawing.h"

namespace tessellon::kit {
namespace {

struct ImageAttributesDeleter {
    void operator()(Gdiplus::GpImageAttributes* attributes) const {
        if (attributes) GdipDisposeImageAttributes(attributes);
    }
};
using ImageAttributesPtr = std::unique_ptr<Gdiplus::GpImageAttributes, ImageAttributesDeleter>;

}  // namespace

void DrawImageScaled(GpGraphics* graphics, GpImage* image, Gdiplus::REAL x, Gdiplus::REAL y,
                     Gdiplus::REAL width, Gdiplus::REAL height) {
    Gdiplus::REAL imageWidth = 0, imageHeight = 0;
    GdipGetImageDimension(image, &imageWidth, &imageHeight);
    Gdiplus::GpImageAttributes* rawAttributes = nullptr;
    GdipCreateImageAttributes(&rawAttributes);
    ImageAttributesPtr attributes(rawAttributes);
    if (attributes) GdipSetImageAttributesWrapMode(attributes.get(), Gdiplus::WrapModeTileFlipXY, 0, FALSE);
    GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0, imageWidth, imageHeight, Gdiplus::UnitPixel,
                          attributes.get(), nullptr, nullptr);
}

void DrawImagePart(GpGraphics* graphics, GpImage* image, Gdiplus::REAL x, Gdiplus::REAL y,
                   Gdiplus::REAL width, Gdiplus::REAL height) {
    // Same source and destination size: no scaling, and no resolution conversion either.
    GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0, width, height, Gdiplus::UnitPixel, nullptr,
                          nullptr, nullptr);
}

}  // namespace tessellon::kit
