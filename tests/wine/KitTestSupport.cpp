#include "tests/wine/KitTestSupport.h"

#include "pngkit/GdiplusHolders.h"
#include "winutil/ScopedHandles.h"

#include <cstring>

namespace tessellon::kit::testing {

TestWindow::TestWindow(int width, int height, DWORD exStyle, int left, int top) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"KitTestWindow";
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExW(exStyle, L"KitTestWindow", L"", WS_POPUP, left, top, width, height, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
}

const wchar_t* InstalledFace() {
    static const wchar_t* face = [] {
        for (const wchar_t* candidate : {L"Tahoma", L"Arial", L"DejaVu Sans", L"WenQuanYi Micro Hei"}) {
            FontFamilyHolder family;
            if (family.CreateFromName(candidate) == Gdiplus::Ok) return candidate;
        }
        return L"";
    }();
    return face;
}

std::vector<std::uint32_t> ReadPixels(GpImage* image, int& width, int& height) {
    UINT w = 0, h = 0;
    GdipGetImageWidth(image, &w);
    GdipGetImageHeight(image, &h);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    Gdiplus::GpRect area(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (GdipBitmapLockBits(static_cast<GpBitmap*>(image), &area, Gdiplus::ImageLockModeRead,
                           PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return {};
    for (UINT y = 0; y < h; ++y)
        std::memcpy(&pixels[y * w], static_cast<const BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride,
                    w * 4);
    GdipBitmapUnlockBits(static_cast<GpBitmap*>(image), &data);
    return pixels;
}

std::vector<std::byte> EncodePng(GpImage* image) {
    static const CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    ScopedComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive());
    GdipSaveImageToStream(image, stream.Get(), &kPngEncoder, nullptr);
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream.Get(), &memory);
    STATSTG stat{};
    stream.Get()->Stat(&stat, STATFLAG_NONAME);
    std::vector<std::byte> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
    ScopedGlobalLock lock(memory);
    if (lock.Data() && !bytes.empty()) std::memcpy(bytes.data(), lock.Data(), bytes.size());
    return bytes;
}

}  // namespace tessellon::kit::testing
