#pragma once
// The GDI+ flat interface, plus owners for the GDI+ objects the kit creates and deletes within
// one call.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <memory>

namespace tessellon::kit {

using namespace Gdiplus::DllExports;
using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpPen;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStatus;
using Gdiplus::GpStringFormat;

struct ImageDisposer {
    void operator()(GpImage* image) const { if (image) GdipDisposeImage(image); }
};
struct GraphicsDeleter {
    void operator()(GpGraphics* graphics) const { if (graphics) GdipDeleteGraphics(graphics); }
};
struct PenDeleter {
    void operator()(GpPen* pen) const { if (pen) GdipDeletePen(pen); }
};
struct BrushDeleter {
    void operator()(GpBrush* brush) const { if (brush) GdipDeleteBrush(brush); }
};

using ImagePtr = std::unique_ptr<GpImage, ImageDisposer>;
using GraphicsPtr = std::unique_ptr<GpGraphics, GraphicsDeleter>;
using PenPtr = std::unique_ptr<GpPen, PenDeleter>;
using BrushPtr = std::unique_ptr<GpBrush, BrushDeleter>;

// A bitmap is an image; keeping it as ImagePtr lets one owner type serve both.
inline GpBitmap* AsBitmap(const ImagePtr& image) { return static_cast<GpBitmap*>(image.get()); }

}  // namespace tessellon::kit
