#include "pngkit/KitRules.h"

namespace tessellon::kit {

std::uint32_t ColorToArgb(std::uint32_t gdiColour, int alpha) {
    const std::uint32_t red = gdiColour & 0xFFu;
    const std::uint32_t green = (gdiColour >> 8) & 0xFFu;
    const std::uint32_t blue = (gdiColour >> 16) & 0xFFu;
    return (static_cast<std::uint32_t>(alpha) << 24) | (red << 16) | (green << 8) | blue;
}

MoveResizePlan PlanMoveResize(const WindowRect& current, const MoveResizeRequest& request) {
    MoveResizePlan plan;
    plan.flags = kSwpNoZOrder;
    if (request.noActivate) plan.flags |= kSwpNoActivate;
    if (!request.x && !request.y) plan.flags |= kSwpNoMove;
    if (!request.width && !request.height) plan.flags |= kSwpNoSize;
    plan.x = request.x.value_or(current.left);
    plan.y = request.y.value_or(current.top);
    plan.width = request.width.value_or(current.right - current.left);
    plan.height = request.height.value_or(current.bottom - current.top);
    return plan;
}

CaretLine CaretLineFor(int editLeft, int editTop, int editHeight, int caretX, int caretY) {
    (void)caretY;  // the line is centred in the box, whatever the caret's own height
    CaretLine line;
    line.x = editLeft + caretX + kCaretLineOffset;
    line.yTop = editTop + (editHeight - kCaretLineLength) / 2;  // truncates toward zero
    line.yBottom = line.yTop + kCaretLineLength;
    return line;
}

int NextCaretPhase(int shown) { return (shown & 1) ^ 1; }

DibHeaderValues PresentationDibHeader(int width, int height) {
    DibHeaderValues header;
    header.width = width;
    header.height = height;
    header.sizeImage = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height) * 32u / 8u;
    return header;
}

int FontStyleFromLogFont(std::int32_t weight, std::uint8_t italic, std::uint8_t underline,
                         std::uint8_t strikeOut) {
    int style = 0;
    if (weight == 600 || weight == 700) style |= 1;
    if (italic == 1) style |= 2;
    if (underline == 1) style |= 4;
    if (strikeOut == 1) style |= 8;
    return style;
}

}  // namespace tessellon::kit
