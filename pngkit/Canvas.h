#pragma once
// A 32-bit GDI+ bitmap together with a graphics that draws on it. The graphics goes first, so
// every drawing step has reached the bitmap before anyone else uses it.
#include "pngkit/GdiplusFlat.h"

#include <utility>

namespace tessellon::kit {

struct Canvas {
    ImagePtr picture;     // declared first: destroyed last
    GraphicsPtr graphics;

    explicit operator bool() const { return picture && graphics; }
    // Ends the drawing and hands the picture over.
    ImagePtr Take() {
        graphics.reset();
        return std::move(picture);
    }
};

// A new transparent width x height picture, or, given pixels, one laid over them (stride in
// bytes; negative for bottom-up rows, with pixels at the top row). Empty when GDI+ refuses.
inline Canvas MakeCanvas(int width, int height, Gdiplus::PixelFormat format = PixelFormat32bppARGB, int stride = 0,
                         BYTE* pixels = nullptr) {
    Canvas canvas;
    GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromScan0(width, height, stride, format, pixels, &bitmap) != Gdiplus::Ok) return canvas;
    canvas.picture.reset(bitmap);
    GpGraphics* graphics = nullptr;
    GdipGetImageGraphicsContext(bitmap, &graphics);
    canvas.graphics.reset(graphics);
    return canvas;
}

}  // namespace tessellon::kit
