#pragma once
// The kit's pure rules: colour packing, window move/resize planning, caret geometry and blink
// phase, and the DIB header of a presentation. Kept free of <windows.h> so they build and are
// tested natively as well.
#include <cstdint>
#include <optional>

namespace tessellon::kit {

// GDI colour (red in the lowest byte) plus a separate alpha -> GDI+ ARGB. Only the low 8 bits of
// alpha survive; the colour's top byte is ignored.
std::uint32_t ColorToArgb(std::uint32_t gdiColour, int alpha);

// SetWindowPos flag values, as the platform defines them.
inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpNoMove = 0x0002;
inline constexpr unsigned kSwpNoZOrder = 0x0004;
inline constexpr unsigned kSwpNoActivate = 0x0010;

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct MoveResizeRequest {
    std::optional<int> x, y, width, height;
    bool noActivate = false;
};

struct MoveResizePlan {
    int x = 0, y = 0, width = 0, height = 0;
    unsigned flags = 0;
};

// What MoveResize hands to SetWindowPos: missing values keep the current ones, and the flags say
// which of position and size to leave alone.
MoveResizePlan PlanMoveResize(const WindowRect& current, const MoveResizeRequest& request);

struct CaretLine {
    int x = 0, yTop = 0, yBottom = 0;
};
inline constexpr int kCaretLineLength = 12;
inline constexpr int kCaretLineOffset = 5;

// The caret line the kit draws for a focused edit box: editTopLeft is the box's corner in the
// layered window's client coordinates, caret the system caret inside the box.
CaretLine CaretLineFor(int editLeft, int editTop, int editHeight, int caretX, int caretY);

// Blink phase after one caret tick: 0 -> 1 -> 0 ...
int NextCaretPhase(int shown);

struct DibHeaderValues {
    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows run bottom-up
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 32;
    std::uint32_t compression = 0;  // BI_RGB
    std::uint32_t sizeImage = 0;
};

DibHeaderValues PresentationDibHeader(int width, int height);

// GDI+ font style bits from the LOGFONT fields that carry them.
int FontStyleFromLogFont(std::int32_t weight, std::uint8_t italic, std::uint8_t underline,
                         std::uint8_t strikeOut);

}  // namespace tessellon::kit
