#include "kitdemo/DemoPictures.h"

#include "pngkit/Canvas.h"
#include "pngkit/GdiplusHolders.h"

#include <string>

namespace tessellon::kitdemo {
namespace {

using namespace kit;
using Gdiplus::REAL;

struct PathDeleter {
    void operator()(Gdiplus::GpPath* path) const { if (path) GdipDeletePath(path); }
};
using PathPtr = std::unique_ptr<Gdiplus::GpPath, PathDeleter>;

constexpr std::uint32_t Argb(std::uint32_t alpha, std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return alpha << 24 | red << 16 | green << 8 | blue;
}

// A transparent ARGB picture with a graphics that smooths shapes and text.
Canvas SmoothCanvas(int width, int height) {
    Canvas canvas = MakeCanvas(width, height);
    if (GpGraphics* graphics = canvas.graphics.get()) {
        GdipSetSmoothingMode(graphics, Gdiplus::SmoothingModeAntiAlias);
        // Grey-scale smoothing: coloured ClearType fringes look wrong over transparency.
        GdipSetTextRenderingHint(graphics, Gdiplus::TextRenderingHintAntiAliasGridFit);
    }
    return canvas;
}

PathPtr RoundedRect(REAL x, REAL y, REAL width, REAL height, REAL radius) {
    Gdiplus::GpPath* path = nullptr;
    GdipCreatePath(Gdiplus::FillModeAlternate, &path);
    const REAL d = radius * 2;
    GdipAddPathArc(path, x, y, d, d, 180, 90);
    GdipAddPathArc(path, x + width - d, y, d, d, 270, 90);
    GdipAddPathArc(path, x + width - d, y + height - d, d, d, 0, 90);
    GdipAddPathArc(path, x, y + height - d, d, d, 90, 90);
    GdipClosePathFigure(path);
    return PathPtr(path);
}

void FillVertical(GpGraphics* graphics, Gdiplus::GpPath* path, REAL top, REAL bottom, std::uint32_t from,
                  std::uint32_t to) {
    const Gdiplus::GpPointF start(0, top - 1), end(0, bottom + 1);
    Gdiplus::GpLineGradient* gradient = nullptr;
    GdipCreateLineBrush(&start, &end, from, to, Gdiplus::WrapModeTileFlipXY, &gradient);
    BrushPtr brush(gradient);
    GdipFillPath(graphics, brush.get(), path);
}

void Outline(GpGraphics* graphics, Gdiplus::GpPath* path, std::uint32_t colour, REAL width) {
    GpPen* rawPen = nullptr;
    GdipCreatePen1(colour, width, Gdiplus::UnitPixel, &rawPen);
    PenPtr pen(rawPen);
    GdipDrawPath(graphics, pen.get(), path);
}

void Text(GpGraphics* graphics, std::wstring_view text, REAL x, REAL y, REAL width, REAL height, REAL size,
          int style, std::uint32_t colour, Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear) {
    FontHolder font;
    font.CreateFromFamilyName(DemoFontFace(), size, style, Gdiplus::UnitPixel);
    StringFormatHolder format;
    format.Create(Gdiplus::StringFormatFlagsNoWrap);
    format.SetAlignments(alignment, Gdiplus::StringAlignmentCenter);
    GpSolidFill* rawBrush = nullptr;
    GdipCreateSolidFill(colour, &rawBrush);
    BrushPtr brush(rawBrush);
    const std::wstring terminated(text);
    const Gdiplus::RectF rect(x, y, width, height);
    GdipDrawString(graphics, terminated.c_str(), static_cast<INT>(terminated.size()), font.Handle(), &rect,
                   format.Handle(), brush.get());
}

}  // namespace

const wchar_t* DemoFontFace() {
    static const wchar_t* face = [] {
        for (const wchar_t* candidate : {L"Microsoft YaHei", L"SimSun", L"WenQuanYi Micro Hei", L"Tahoma"}) {
            FontFamilyHolder family;
            if (family.CreateFromName(candidate) == Gdiplus::Ok) return candidate;
        }
        return L"Tahoma";
    }();
    return face;
}

ImagePtr MakePanelPicture(std::wstring_view placementName) {
    Canvas canvas = SmoothCanvas(kPanelWidth, kPanelHeight);
    GpGraphics* g = canvas.graphics.get();
    if (!g) return canvas.Take();
    // A soft shadow ring, then the panel itself.
    for (int ring = 0; ring < 4; ++ring) {
        PathPtr shadow = RoundedRect(ring * 1.0f, ring * 1.0f, kPanelWidth - 1 - ring * 2.0f,
                                     kPanelHeight - 1 - ring * 2.0f, 20);
        Outline(g, shadow.get(), Argb(20 + ring * 15, 0, 0, 0), 1);
    }
    PathPtr panel = RoundedRect(4, 4, kPanelWidth - 9, kPanelHeight - 9, 16);
    FillVertical(g, panel.get(), 4, kPanelHeight - 5, Argb(240, 0x22, 0x2E, 0x4A), Argb(240, 0x12, 0x1A, 0x2E));
    Outline(g, panel.get(), Argb(110, 0xFF, 0xFF, 0xFF), 1);

    Text(g, L"Tessellon kit demo", 24, 14, 300, 30, 20, Gdiplus::FontStyleBold, Argb(255, 0xFF, 0xFF, 0xFF));
    Text(g, L"图层窗口部件演示", 250, 14, 166, 30, 14, Gdiplus::FontStyleRegular, Argb(200, 0xC8, 0xD4, 0xF0),
         Gdiplus::StringAlignmentFar);

    // A well behind the picture child, so that its placement can be seen.
    PathPtr well = RoundedRect(22, 54, 154, 154, 6);
    GpSolidFill* rawWell = nullptr;
    GdipCreateSolidFill(Argb(90, 0, 0, 0), &rawWell);
    BrushPtr wellBrush(rawWell);
    GdipFillPath(g, wellBrush.get(), well.get());

    Text(g, L"Picture placement:", 196, 100, 220, 22, 13, Gdiplus::FontStyleRegular, Argb(255, 0xB8, 0xC6, 0xE0));
    Text(g, placementName, 196, 120, 220, 24, 15, Gdiplus::FontStyleBold, Argb(255, 0xFF, 0xD8, 0x6B));
    Text(g, L"Type in the box  ·  the button cycles the placement  ·  F2 disables it  ·  Esc closes", 22, 216,
         kPanelWidth - 44, 20, 11, Gdiplus::FontStyleRegular, Argb(255, 0x90, 0x9C, 0xB8));
    return canvas.Take();
}

ImagePtr MakeTilePicture() {
    constexpr int kTileWidth = 48, kTileHeight = 32;
    constexpr int kWidth = kTileWidth * 4, kHeight = kTileHeight * 5;
    Canvas canvas = SmoothCanvas(kWidth, kHeight);
    GpGraphics* g = canvas.graphics.get();
    if (!g) return canvas.Take();
    const std::uint32_t fills[] = {Argb(255, 0xC9, 0xA8, 0x6A), Argb(255, 0x7E, 0xA8, 0x5A), Argb(255, 0xB5, 0x8E, 0x55)};
    for (int row = 0; row <= kHeight / (kTileHeight / 2) + 1; ++row) {
        for (int column = -1; column <= kWidth / kTileWidth + 1; ++column) {
            const REAL cx = column * kTileWidth + (row % 2) * (kTileWidth / 2.0f);
            const REAL cy = row * (kTileHeight / 2.0f);
            const Gdiplus::GpPointF diamond[] = {{cx, cy - kTileHeight / 2.0f}, {cx + kTileWidth / 2.0f, cy},
                                                 {cx, cy + kTileHeight / 2.0f}, {cx - kTileWidth / 2.0f, cy}};
            GpSolidFill* rawFill = nullptr;
            GdipCreateSolidFill(fills[static_cast<unsigned>(row * 7 + column * 3 + 30) % 3], &rawFill);
            BrushPtr fill(rawFill);
            GdipFillPolygon(g, fill.get(), diamond, 4, Gdiplus::FillModeAlternate);
            GpPen* rawPen = nullptr;
            GdipCreatePen1(Argb(160, 0x3B, 0x2A, 0x14), 1, Gdiplus::UnitPixel, &rawPen);
            PenPtr pen(rawPen);
            GdipDrawPolygon(g, pen.get(), diamond, 4);
        }
    }
    // The picture's own frame, so that cutting and stretching are easy to tell apart.
    GpPen* rawFrame = nullptr;
    GdipCreatePen1(Argb(255, 0xFF, 0xFF, 0xFF), 3, Gdiplus::UnitPixel, &rawFrame);
    PenPtr frame(rawFrame);
    GdipDrawRectangle(g, frame.get(), 1.5f, 1.5f, kWidth - 3.0f, kHeight - 3.0f);
    return canvas.Take();
}

ImagePtr MakeButtonPicture(ButtonLook look, int width, int height, std::wstring_view label) {
    struct Style { std::uint32_t top, bottom, border, text; REAL shift; };
    const Style style = [look] {
        switch (look) {
            case ButtonLook::Over: return Style{Argb(255, 0x6F, 0xAE, 0xFF), Argb(255, 0x3A, 0x7B, 0xD5), Argb(255, 0xDD, 0xEE, 0xFF), Argb(255, 0xFF, 0xFF, 0xFF), 0};
            case ButtonLook::Down: return Style{Argb(255, 0x1B, 0x3D, 0x70), Argb(255, 0x2B, 0x5F, 0xAA), Argb(255, 0x9F, 0xC4, 0xF5), Argb(255, 0xE6, 0xEE, 0xFA), 1};
            case ButtonLook::Disabled: return Style{Argb(170, 0x8A, 0x8F, 0x98), Argb(170, 0x6E, 0x73, 0x7C), Argb(120, 0xC0, 0xC0, 0xC0), Argb(200, 0xC4, 0xC8, 0xCE), 0};
            case ButtonLook::Normal: break;
        }
        return Style{Argb(255, 0x4A, 0x8B, 0xE5), Argb(255, 0x2B, 0x5F, 0xAA), Argb(255, 0x8F, 0xB8, 0xF0), Argb(255, 0xFF, 0xFF, 0xFF), 0};
    }();
    Canvas canvas = SmoothCanvas(width, height);
    GpGraphics* g = canvas.graphics.get();
    if (!g) return canvas.Take();
    PathPtr body = RoundedRect(0.5f, 0.5f, width - 2.0f, height - 2.0f, 8);
    FillVertical(g, body.get(), 0, static_cast<REAL>(height), style.top, style.bottom);
    Outline(g, body.get(), style.border, 1);
    Text(g, label, style.shift, style.shift, static_cast<REAL>(width), static_cast<REAL>(height), 15,
         Gdiplus::FontStyleBold, style.text, Gdiplus::StringAlignmentCenter);
    return canvas.Take();
}

}  // namespace tessellon::kitdemo
