#pragma once
// Building a kit window's picture and putting it on the layered window.
#include "pngkit/GdiplusFlat.h"
#include "winutil/ScopedHandles.h"

#include <cstdint>
#include <optional>

namespace tessellon::kit {

inline constexpr UINT_PTR kCaretTimerId = 64;
inline constexpr UINT kCaretTimerPeriodMs = 500;

// Composes the window's picture (back image stretched over the whole window rectangle, then the
// look of each marked child) and presents it. When the window holds the focused kit edit box, the picture is kept as the caret
// blink's base image.
void ComposeWindow(HWND window);

// The hand-out form: the composed picture goes to the caller and nothing is presented.
ImagePtr ComposeWindowForHandOut(HWND window);

// Puts an exactly window-sized picture on the layered window with per-pixel alpha.
void PresentImage(HWND window, GpImage* image, bool drawCaret);

// Draws the kit's caret line for the focused edit box into a graphics on the window's picture.
void DrawCaretLine(HWND window, HWND edit, GpGraphics* graphics);

void CALLBACK CaretTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// The 32-bit bottom-up DIB that UpdateLayeredWindow takes, with premultiplied alpha as the
// layered window expects it. Pictures drawn onto it are converted from straight alpha.
class PresentationSurface {
public:
    PresentationSurface(HDC compatibleWith, int width, int height);
    PresentationSurface(const PresentationSurface&) = delete;
    PresentationSurface& operator=(const PresentationSurface&) = delete;

    bool IsValid() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Premultiplied BGRA pixel at (x, y), y counted from the top.
    std::uint32_t PixelAt(int x, int y) const;

    // Draws the image at its own size at the top-left corner; with a caret window, also the caret
    // line of the focused edit box.
    void Draw(GpImage* image, HWND caretWindow, bool drawCaret);

private:
    int width_;
    int height_;
    void* bits_ = nullptr;
    ScopedMemoryDc dc_;
    ScopedGdiObject dib_;
    std::optional<ScopedSelectObject> selection_;
};

}  // namespace tessellon::kit
