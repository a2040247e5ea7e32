#pragma once
// Turns a top-level window into a layered window whose whole look is one composed 32-bit picture
// with per-pixel alpha. The object is only a handle with operations: all per-window state lives in
// window properties, so destroying it leaves the window, its timer and its properties alone.
#include "pngkit/GdiplusFlat.h"

#include <cstddef>
#include <optional>
#include <span>

namespace tessellon::kit {

class PngWindow {
public:
    PngWindow() = default;
    PngWindow(const PngWindow&) = delete;
    PngWindow& operator=(const PngWindow&) = delete;

    // Makes the window layered (its extended style becomes exactly WS_EX_LAYERED) and starts the
    // caret timer on it unless it already runs. Draws nothing. False for a non-window.
    bool Attach(HWND window);

    // Makes the image the window's back image and recomposes. The caller keeps the image.
    bool SetBackImage(GpImage* image);

    // Decodes the bytes and makes the result the back image; a back image decoded here earlier is
    // disposed, with its memory, once the new one is on screen. False when nothing decodes.
    bool SetBackImageFromBytes(std::span<const std::byte> bytes);

    // Reinstates procedures a child left in "PngControl_WndProc", hooks the marked buttons and edit
    // boxes that are not hooked yet (never twice) and recomposes.
    void RehookChildren();

    void MoveResize(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                    std::optional<int> height, bool noActivate = false);

    HWND Handle() const { return window_; }
    bool IsValid() const;
    LRESULT SendWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    HWND window_ = nullptr;
};

}  // namespace tessellon::kit
