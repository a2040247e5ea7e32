#include "pngkit/Composition.h"

#include "pngkit/Canvas.h"

#include "pngkit/ChildPainting.h"
#include "pngkit/FocusState.h"
#include "pngkit/ImageDrawing.h"
#include "pngkit/KitRules.h"
#include "pngkit/PropertyNames.h"
#include "pngkit/WindowProperties.h"

namespace tessellon::kit {
namespace {

struct WindowSize {
    int width = 0;
    int height = 0;
};

WindowSize OuterSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

ImagePtr BuildComposition(HWND window) {
    const WindowSize size = OuterSize(window);
    if (size.width <= 0 || size.height <= 0) return nullptr;

    Canvas canvas = MakeCanvas(size.width, size.height);
    if (!canvas) return canvas.Take();

    if (auto* back = static_cast<GpImage*>(GetPropW(window, property::kBackImage))) {
        // The back image always covers the whole window, whatever its own size.
        DrawImageScaled(canvas.graphics.get(), back, 0, 0, static_cast<Gdiplus::REAL>(size.width),
                        static_cast<Gdiplus::REAL>(size.height));
    }

    // Only direct children, in the system's child order; each paints over what came before it.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IntProperty(child, property::kType) != 0) PaintChild(window, child, canvas.graphics.get());
    }
    return canvas.Take();
}

}  // namespace

FocusState& KitFocus() {
    static FocusState state;
    return state;
}

ImagePtr ComposeWindowForHandOut(HWND window) { return BuildComposition(window); }

void ComposeWindow(HWND window) {
    ImagePtr picture = BuildComposition(window);
    PresentImage(window, picture.get(), false);
    FocusState& focus = KitFocus();
    if (window == focus.focusParent) focus.caretBaseImage = std::move(picture);
}

PresentationSurface::PresentationSurface(HDC compatibleWith, int width, int height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(compatibleWith)) {
    if (!dc_ || width <= 0 || height <= 0) return;
    const DibHeaderValues values = PresentationDibHeader(width, height);
    BITMAPINFO info{};  // the header plus one all-zero colour entry
    info.bmiHeader.biSize = values.size;
    info.bmiHeader.biWidth = values.width;
    info.bmiHeader.biHeight = values.height;
    info.bmiHeader.biPlanes = values.planes;
    info.bmiHeader.biBitCount = values.bitCount;
    info.bmiHeader.biCompression = values.compression;
    info.bmiHeader.biSizeImage = values.sizeImage;
    void* bits = nullptr;
    dib_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib_ || !bits) return;
    selection_.emplace(dc_.Get(), dib_.Get());
    bits_ = bits;
}

std::uint32_t PresentationSurface::PixelAt(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const auto* rows = static_cast<const std::uint32_t*>(bits_);
    return rows[static_cast<std::size_t>(height_ - 1 - y) * width_ + x];  // rows run bottom-up
}

void PresentationSurface::Draw(GpImage* image, HWND caretWindow, bool drawCaret) {
    if (!bits_ || !image) return;
    GdiFlush();  // GDI must be done with the bits before GDI+ writes them
    // A premultiplied GDI+ bitmap laid over the DIB's own bits: drawing converts straight alpha to
    // the premultiplied form UpdateLayeredWindow needs, on every GDI+ implementation.
    const int stride = width_ * 4;
    auto* topRow = static_cast<BYTE*>(bits_) + static_cast<std::size_t>(height_ - 1) * stride;
    Canvas overlay = MakeCanvas(width_, height_, PixelFormat32bppPARGB, -stride, topRow);
    if (!overlay) return;
    GpGraphics* graphics = overlay.graphics.get();
    UINT imageWidth = 0, imageHeight = 0;
    GdipGetImageWidth(image, &imageWidth);
    GdipGetImageHeight(image, &imageHeight);
    GdipDrawImageRectI(graphics, image, 0, 0, static_cast<INT>(imageWidth), static_cast<INT>(imageHeight));
    if (drawCaret) DrawCaretLine(caretWindow, KitFocus().focusEdit, graphics);
}

void PresentImage(HWND window, GpImage* image, bool drawCaret) {
    if (!IsWindow(window) || !image) return;
    const WindowSize size = OuterSize(window);
    ScopedWindowDc windowDc(window, GetWindowDC(window));
    PresentationSurface surface(windowDc.Get(), size.width, size.height);
    if (!surface.IsValid()) return;
    surface.Draw(image, window, drawCaret);

    SIZE extent{size.width, size.height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, windowDc.Get(), nullptr, &extent, surface.Dc(), &source, 0, &blend, ULW_ALPHA);
}

void DrawCaretLine(HWND window, HWND edit, GpGraphics* graphics) {
    RECT editRect{};
    GetWindowRect(edit, &editRect);
    POINT corner{editRect.left, editRect.top};
    ScreenToClient(window, &corner);
    POINT caret{};
    GetCaretPos(&caret);
    const CaretLine line = CaretLineFor(corner.x, corner.y, editRect.bottom - editRect.top, caret.x, caret.y);

    GpPen* rawPen = nullptr;
    GdipCreatePen1(ColorToArgb(0, 255), 1.0f, Gdiplus::UnitWorld, &rawPen);
    PenPtr pen(rawPen);
    GdipDrawLineI(graphics, pen.get(), line.x, line.yTop, line.x, line.yBottom);
}

void CALLBACK CaretTimerProc(HWND window, UINT, UINT_PTR timerId, DWORD) {
    if (timerId != kCaretTimerId) return;
    FocusState& focus = KitFocus();
    if (window != focus.focusParent || !focus.focusEdit || !focus.caretBaseImage) return;
    focus.caretShown = NextCaretPhase(focus.caretShown);
    PresentImage(focus.focusParent, focus.caretBaseImage.get(), focus.caretShown == 1);
}

}  // namespace tessellon::kit
