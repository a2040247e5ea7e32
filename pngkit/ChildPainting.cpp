#include "pngkit/ChildPainting.h"

#include "pngkit/ChildRules.h"
#include "pngkit/GdiplusHolders.h"
#include "pngkit/ImageDrawing.h"
#include "pngkit/KitRules.h"
#include "pngkit/PropertyNames.h"
#include "pngkit/TextConversion.h"
#include "pngkit/WindowProperties.h"

#include <string>

namespace tessellon::kit {
namespace {

constexpr int kNoColour = -1;

// Where the child lies in the picture. The picture spans the whole window rectangle while these
// are client coordinates; kit windows are frameless, so the two origins coincide.
struct ChildArea {
    int left = 0, top = 0, width = 0, height = 0;
};

ChildArea AreaOf(HWND window, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(window, &corner);
    return {corner.x, corner.y, rect.right - rect.left, rect.bottom - rect.top};
}

std::uint32_t ArgbProperty(HWND child, const wchar_t* colourName, int alpha) {
    return ColorToArgb(static_cast<std::uint32_t>(IntProperty(child, colourName)), alpha);
}

void FillEditBackground(HWND child, GpGraphics* graphics, const ChildArea& area) {
    if (IntProperty(child, property::kBackColor) == kNoColour) return;
    GpSolidFill* rawBrush = nullptr;
    GdipCreateSolidFill(ArgbProperty(child, property::kBackColor, IntProperty(child, property::kBackAlpha)),
                        &rawBrush);
    BrushPtr brush(rawBrush);
    GdipFillRectangleI(graphics, brush.get(), area.left, area.top, area.width, area.height);
}

void DrawEditBorder(HWND child, GpGraphics* graphics, const ChildArea& area) {
    if (IntProperty(child, property::kBorderColor) == kNoColour) return;
    GpPen* rawPen = nullptr;
    GdipCreatePen1(ArgbProperty(child, property::kBorderColor, IntProperty(child, property::kBorderAlpha)), 1.0f,
                   Gdiplus::UnitWorld, &rawPen);
    PenPtr pen(rawPen);
    const BorderRect border = EditBorderRect(area.left, area.top, area.width, area.height);
    GdipDrawRectangleI(graphics, pen.get(), border.x, border.y, border.width, border.height);
}

void DrawEditText(HWND child, GpGraphics* graphics, const ChildArea& area) {
    try {
        const std::wstring text = AnsiToWide(GetWindowTextAnsi(child));
        const auto layout = EditTextLayout(area.left, area.top, area.width, area.height, text.size());
        if (!layout) return;
        FontHolder font;
        font.CreateFromWindow(child);  // the control's own font; none means no text
        StringFormatHolder format;
        format.Create(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoFitBlackBox);
        format.SetAlignments(Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentCenter);
        GpSolidFill* rawBrush = nullptr;
        GdipCreateSolidFill(ArgbProperty(child, property::kTextColor, 255), &rawBrush);
        BrushPtr brush(rawBrush);
        const Gdiplus::RectF rect(layout->x, layout->y, layout->width, layout->height);
        GdipDrawString(graphics, text.c_str(), layout->length, font.Handle(), &rect, format.Handle(), brush.get());
    } catch (...) {
        // Out of memory for the text: it is left out and the rest of the picture still shows.
    }
}

GpImage* ImageOf(HWND child, int type) {
    switch (type) {
        case kChildPicture:
        case kChildEdit:
            return PointerProperty<GpImage>(child, property::kBackImage);
        case kChildButton:
            return PickStateImage(child, IntProperty(child, property::kDrawState));
        default:
            return nullptr;
    }
}

}  // namespace

GpImage* PickStateImage(HWND child, int state) {
    GpImage* image = nullptr;
    if (const wchar_t* name = StateImagePropertyName(state)) image = PointerProperty<GpImage>(child, name);
    return image ? image : PointerProperty<GpImage>(child, property::kNormalImage);
}

void PaintChild(HWND window, HWND child, GpGraphics* graphics) {
    const ChildArea area = AreaOf(window, child);
    const int type = IntProperty(child, property::kType);
    const int backType = IntProperty(child, property::kBackType);

    if (type == kChildEdit) FillEditBackground(child, graphics, area);

    if (GpImage* image = ImageOf(child, type)) {
        Gdiplus::REAL imageWidth = 0, imageHeight = 0;
        GdipGetImageDimension(image, &imageWidth, &imageHeight);
        const ImagePlacement placement = PlaceChildImage(backType, imageWidth, imageHeight, area.width, area.height);
        if (placement.cutAndStop) {
            // Too large for the child at its own size: its top-left part only, and nothing more
            // of this child (an edit box then has neither border nor text).
            DrawImagePart(graphics, image, static_cast<Gdiplus::REAL>(area.left), static_cast<Gdiplus::REAL>(area.top),
                          placement.width, placement.height);
            return;
        }
        DrawImageScaled(graphics, image, area.left + placement.offsetX, area.top + placement.offsetY, placement.width,
                        placement.height);
    }

    if (type == kChildEdit) {
        DrawEditBorder(child, graphics, area);
        DrawEditText(child, graphics, area);
    }
}

}  // namespace tessellon::kit
