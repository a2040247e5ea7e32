#pragma once
// Helpers for the kit's in-process tests: throw-away windows and pictures, and reading pixels
// back out of a composed picture.
#include "pngkit/GdiplusFlat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessellon::kit::testing {

// A plain top-level popup window, destroyed with the object.
class TestWindow {
public:
    TestWindow(int width, int height, DWORD exStyle = 0, int left = 10, int top = 10);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

// A straight-alpha bitmap whose pixel (x, y) is fill(x, y) as 0xAARRGGBB.
template <typename Fill>
ImagePtr MakeBitmap(int width, int height, Fill fill) {
    GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) GdipBitmapSetPixel(bitmap, x, y, fill(x, y));
    return ImagePtr(bitmap);
}

// A font face GDI+ knows on this system (Windows and Wine ship different ones).
const wchar_t* InstalledFace();

// Every pixel of an image as 0xAARRGGBB, row by row.
std::vector<std::uint32_t> ReadPixels(GpImage* image, int& width, int& height);

// The image encoded as a PNG file.
std::vector<std::byte> EncodePng(GpImage* image);

}  // namespace tessellon::kit::testing
