#include "forms/controls/PictureButton.h"

#include "forms/WindowText.h"
#include "pngkit/Canvas.h"
#include "pngkit/ImageLoading.h"

#include <mmsystem.h>

#include <cstring>
#include <vector>

namespace tessellon::forms {
namespace {

using namespace tessellon::kit;  // the GDI+ flat API and its holders

constexpr int kSize = kButtonPictureSize;

// Draws the picture into a 32 x 32 ARGB pixel block; empty when it does not decode.
std::vector<std::uint32_t> DecodePicture(std::span<const std::byte> bytes) {
    auto loaded = kit::LoadImageFromBytes(bytes);
    if (!loaded) return {};
    std::vector<std::uint32_t> pixels(kSize * kSize, 0);
    {
        Canvas canvas = MakeCanvas(kSize, kSize, PixelFormat32bppARGB, kSize * 4, reinterpret_cast<BYTE*>(pixels.data()));
        if (!canvas) return {};
        GdipSetCompositingMode(canvas.graphics.get(), Gdiplus::CompositingModeSourceCopy);
        GdipSetInterpolationMode(canvas.graphics.get(), Gdiplus::InterpolationModeNearestNeighbor);
        GdipDrawImageRectI(canvas.graphics.get(), loaded->Image(), 0, 0, kSize, kSize);
    }  // the canvas lets go of the pixels here
    return pixels;
}

// A top-down 32-bit DIB holding premultiplied pixels, for AlphaBlend.
HBITMAP MakeBlendBitmap(std::vector<std::uint32_t> pixels, bool greyed) {
    PreparePicturePixels(pixels.data(), pixels.size(), greyed);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) std::memcpy(bits, pixels.data(), pixels.size() * sizeof(std::uint32_t));
    return bitmap;
}

void FillBox(HDC dc, const RECT& box, Colour colour) {
    ScopedGdiObject brush(CreateSolidBrush(colour));
    FillRect(dc, &box, static_cast<HBRUSH>(brush.Get()));
}

}  // namespace

PictureButton::PictureButton(const PictureButtonDefinition& definition, Form& form, HWND parent, int id)
    : SubclassedControl(definition.place.name),
      form_(form),
      textColour_(definition.textColour),
      clickSoundResource_(definition.clickSoundResource),
      onClick_(definition.onClick) {
    if (auto pixels = DecodePicture(definition.picture); !pixels.empty()) {
        picture_.Reset(MakeBlendBitmap(pixels, false));
        greyedPicture_.Reset(MakeBlendBitmap(std::move(pixels), true));
    }
    const ControlPlacement& p = definition.place;
    Adopt(CreateWindowExW(0, L"BUTTON", definition.text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                          p.x, p.y, p.width, p.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr));
}

void PictureButton::OnCommand(WORD code) {
    // An owner-drawn button reports the second press of a quick pair as a double click; for the
    // user it is simply a second click.
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
    PlayClickSound();
    if (onClick_) onClick_(form_);
}

void PictureButton::PlayClickSound() const {
    if (clickSoundResource_ == 0) return;
    // Started and left to play on its own; no default sound stands in when it cannot play.
    PlaySoundW(MAKEINTRESOURCEW(clickSoundResource_), GetModuleHandleW(nullptr),
               SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

void PictureButton::OnMouseMove(WPARAM keys) {
    if (hovered_ || (keys & MK_LBUTTON)) return;
    hovered_ = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
    InvalidateRect(Handle(), nullptr, FALSE);
    PlayClickSound();
}

void PictureButton::OnMouseLeave() {
    hovered_ = false;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PictureButton::DrawPicture(HDC dc, int x, int y, bool disabled) const {
    const ScopedGdiObject& picture = disabled ? greyedPicture_ : picture_;
    if (!picture) return;
    ScopedMemoryDc source(CreateCompatibleDC(dc));
    ScopedSelectObject selected(source.Get(), picture.Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, kSize, kSize, source.Get(), 0, 0, kSize, kSize, blend);
}

bool PictureButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const RECT whole = item.rcItem;
    const int width = whole.right - whole.left, height = whole.bottom - whole.top;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const bool disabled = item.itemState & ODS_DISABLED;

    // Drawn off screen first, so the button never flickers through its steps.
    ScopedMemoryDc dc(CreateCompatibleDC(item.hDC));
    ScopedGdiObject canvas(CreateCompatibleBitmap(item.hDC, width, height));
    ScopedSelectObject selectedCanvas(dc.Get(), canvas.Get());

    const ButtonColours colours = PictureButtonColours(textColour_, hovered_, pressed, focused);
    RECT box{0, 0, width, height};
    FillBox(dc.Get(), box, colours.background);
    if (focused) {
        FrameRect(dc.Get(), &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&box, -1, -1);
    }
    if (pressed)
        FrameRect(dc.Get(), &box, GetSysColorBrush(COLOR_BTNSHADOW));
    else
        DrawEdge(dc.Get(), &box, EDGE_RAISED, BF_RECT);

    const ButtonLayout layout = PictureButtonLayout(width, height, pressed);
    DrawPicture(dc.Get(), layout.picture.left, layout.picture.top, disabled);

    const std::wstring text = WindowTextOf(Handle());
    HGDIOBJ ownFont = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    ScopedSelectObject font(dc.Get(), ownFont ? ownFont : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc.Get(), TRANSPARENT);
    constexpr UINT kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    RECT textBox{layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
    RECT measured = textBox;
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &measured, kFormat | DT_CALCRECT);
    // Centred vertically as well: DT_VCENTER only works on a single line.
    OffsetRect(&textBox, 0, ((textBox.bottom - textBox.top) - (measured.bottom - measured.top)) / 2);
    if (disabled) {
        // Embossed: a white copy one pixel down and right under grey text.
        RECT highlight = textBox;
        OffsetRect(&highlight, 1, 1);
        SetTextColor(dc.Get(), kWhite);
        DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &highlight, kFormat);
        SetTextColor(dc.Get(), GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc.Get(), colours.text);
    }
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &textBox, kFormat);

    if (focused) {
        RECT focus{kFocusInset, kFocusInset, width - kFocusInset, height - kFocusInset};
        DrawFocusRect(dc.Get(), &focus);
    }
    BitBlt(item.hDC, whole.left, whole.top, width, height, dc.Get(), 0, 0, SRCCOPY);
    return true;
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) OnMouseMove(wParam);
    if (message == WM_MOUSELEAVE) OnMouseLeave();
    return PassOn(message, wParam, lParam);
}

}  // namespace tessellon::forms
