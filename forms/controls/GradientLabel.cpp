#include "forms/controls/GradientLabel.h"

#include "forms/WindowText.h"
#include "winutil/ScopedHandles.h"

#include <string>

namespace tessellon::forms {
namespace {
constexpr wchar_t kClassName[] = L"TessellonGradientLabel";
}

GradientLabel::GradientLabel(const GradientLabelDefinition& definition, HWND parent, int id)
    : CustomControlWindow(definition.place.name), gradientColour_(definition.gradientColour) {
    const ControlPlacement& p = definition.place;
    CreateWindowOf(kClassName, definition.text, WS_CHILD | WS_VISIBLE, 0, p.x, p.y, p.width, p.height, parent, id);
}

LRESULT GradientLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST: return HTTRANSPARENT;  // a label takes no clicks
        default: return CustomControlWindow::HandleMessage(message, wParam, lParam);
    }
}

void GradientLabel::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const int height = client.bottom - client.top;
    for (int row = 0; row < height; ++row) {
        ScopedGdiObject brush(CreateSolidBrush(GradientRowColour(row, height, gradientColour_)));
        RECT line{client.left, row, client.right, row + 1};
        FillRect(dc, &line, static_cast<HBRUSH>(brush.Get()));
    }
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    const std::wstring text = WindowTextOf(Handle());
    ScopedSelectObject font(dc, Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    SetTextColor(dc, kWhite);
    RECT place = client;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, kFormat);
    SetTextColor(dc, kBlack);
    OffsetRect(&place, 1, 1);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, kFormat);
}

}  // namespace tessellon::forms
