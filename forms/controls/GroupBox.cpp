#include "forms/controls/GroupBox.h"

#include "forms/WindowText.h"
#include "winutil/ScopedHandles.h"

#include <string>

namespace tessellon::forms {
namespace {

constexpr wchar_t kClassName[] = L"TessellonGroupBox";
constexpr int kCaptionInset = 8;   // from the frame's left end to a left-aligned caption
constexpr int kCaptionPadding = 2; // white kept clear around the caption's text

bool IsChildNotification(UINT message) {
    switch (message) {
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return true;
        default: return false;
    }
}

}  // namespace

GroupBox::GroupBox(const GroupBoxDefinition& definition, HWND parent, int id)
    : CustomControlWindow(definition.place.name),
      captionColour_(definition.captionColour),
      alignment_(definition.captionAlignment) {
    const ControlPlacement& p = definition.place;
    // Control-parent: the dialog keys (Tab) look into the group for stops.
    CreateWindowOf(kClassName, definition.caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                   WS_EX_CONTROLPARENT,
                   p.x, p.y, p.width, p.height, parent, id);
}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsChildNotification(message)) return SendMessageW(GetAncestor(Handle(), GA_ROOT), message, wParam, lParam);
    switch (message) {
        default: return CustomControlWindow::HandleMessage(message, wParam, lParam);
    }
}

void GroupBox::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    ScopedSelectObject font(dc, Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring caption = WindowTextOf(Handle());
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    if (caption.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        extent.cy = metrics.tmHeight;
    }

    RECT frame = client;
    frame.top = extent.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;

    const int width = client.right - client.left;
    const int left = alignment_ == TextAlignment::Centre ? (width - extent.cx) / 2 : kCaptionInset + kCaptionPadding;
    RECT behind{left - kCaptionPadding, 0, left + extent.cx + kCaptionPadding, extent.cy};
    FillRect(dc, &behind, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, captionColour_);
    TextOutW(dc, left, 0, caption.c_str(), static_cast<int>(caption.size()));
}

}  // namespace tessellon::forms
