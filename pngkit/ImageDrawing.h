#pragma once
// Drawing an image, or a part of it, into a rectangle of a composed picture.
#include "pngkit/GdiplusFlat.h"

namespace tessellon::kit {

// Draws the whole image scaled into (x, y, width, height). Mirrored edge sampling keeps a scaled
// picture's border as opaque as its inside: plain sampling blends the outermost pixels with
// transparency.
void DrawImageScaled(GpGraphics* graphics, GpImage* image, Gdiplus::REAL x, Gdiplus::REAL y,
                     Gdiplus::REAL width, Gdiplus::REAL height);

// Draws the image's top-left width x height pixels at (x, y), pixel for pixel, whatever
// resolution the image file states.
void DrawImagePart(GpGraphics* graphics, GpImage* image, Gdiplus::REAL x, Gdiplus::REAL y,
                   Gdiplus::REAL width, Gdiplus::REAL height);

}  // namespace tessellon::kit
