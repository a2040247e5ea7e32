#pragma once
// Painting the look of a kit window's marked child controls into the window's composed picture.
// The children themselves stay real controls; the layered window only ever shows the picture.
#include "pngkit/GdiplusFlat.h"

namespace tessellon::kit {

// Paints one marked child: its picture by type and placement and, for an edit box, its
// background, border and text. A type the kit does not know paints nothing.
void PaintChild(HWND window, HWND child, GpGraphics* graphics);

// The button picture for a drawn state: the state's own picture, else the normal one (or none).
GpImage* PickStateImage(HWND child, int state);

}  // namespace tessellon::kit
