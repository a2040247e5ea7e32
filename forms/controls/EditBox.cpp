#include "forms/controls/EditBox.h"

#include "forms/WindowText.h"

namespace tessellon::forms {
namespace {

DWORD StyleFor(const EditBoxDefinition& definition) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (definition.enabled) style |= WS_TABSTOP;
    else style |= WS_DISABLED;
    if (definition.border) style |= WS_BORDER;
    style |= definition.alignment == TextAlignment::Centre ? ES_CENTER : ES_LEFT;
    // Without ES_AUTOHSCROLL a multi-line box wraps words at its right edge.
    style |= definition.multiLine ? ES_MULTILINE : ES_AUTOHSCROLL;
    return style;
}

}  // namespace

EditBox::EditBox(const EditBoxDefinition& definition, HWND parent, int id)
    : SubclassedControl(definition.place.name),
      textColour_(definition.textColour),
      background_(definition.backgroundSystemColour >= 0 ? GetSysColor(definition.backgroundSystemColour)
                                                         : definition.background),
      acceptsCharacter_(definition.acceptsCharacter),
      tidyOnFocusLoss_(definition.tidyOnFocusLoss),
      multiLine_(definition.multiLine),
      border_(definition.border) {
    if (definition.backgroundSystemColour >= 0) {
        backgroundBrush_ = GetSysColorBrush(definition.backgroundSystemColour);
    } else {
        ownBrush_.Reset(CreateSolidBrush(definition.background));
        backgroundBrush_ = static_cast<HBRUSH>(ownBrush_.Get());
    }
    const ControlPlacement& p = definition.place;
    Adopt(CreateWindowExW(0, L"EDIT", definition.text.c_str(), StyleFor(definition), p.x, p.y, p.width, p.height,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                          nullptr));
}

std::optional<HBRUSH> EditBox::OnControlColour(HDC dc) {
    SetTextColor(dc, textColour_);
    SetBkColor(dc, background_);
    return backgroundBrush_;
}

// A multi-line box shows a line that only partly fits, clipped at its bottom edge, rather than
// leaving it out: the box is laid out for as many whole lines as start inside it.
void EditBox::FitFormattingRectToLines() {
    RECT client{};
    GetClientRect(Handle(), &client);
    ScopedWindowDc dc(Handle(), GetDC(Handle()));
    if (!dc) return;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    ScopedSelectObject selected(dc.Get(), font ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    const int lineHeight = metrics.tmHeight;
    if (lineHeight <= 0) return;
    const int height = client.bottom - client.top;
    const int lines = (height + lineHeight - 1) / lineHeight;
    RECT format = client;
    format.bottom = format.top + lines * lineHeight;
    SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&format));
    InvalidateRect(Handle(), nullptr, TRUE);
}

// The system greys a disabled box's text whatever colour its parent asks for; a display-only box
// here keeps its own colour, so it is painted like the box would paint it, in that colour.
void EditBox::PaintDisabled(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, backgroundBrush_);
    // An edit box takes WS_BORDER off its style and draws that thin border itself, inside its
    // client area; where the style keeps it, the frame is the system's and lies outside.
    const bool drawsOwnBorder = border_ && !(GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_BORDER);
    if (drawsOwnBorder) FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    RECT format{};
    SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    ScopedSelectObject selected(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SetTextColor(dc, textColour_);
    SetBkMode(dc, TRANSPARENT);
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    // A partly visible last line is shown clipped, as the box itself shows it.
    UINT flags = DT_NOPREFIX;
    flags |= (style & ES_CENTER) ? DT_CENTER : (style & ES_RIGHT) ? DT_RIGHT : DT_LEFT;
    flags |= multiLine_ ? DT_WORDBREAK : DT_SINGLELINE;
    const std::wstring text = WindowTextOf(Handle());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &format, flags);
}

void EditBox::TidyText() {
    const std::wstring current = WindowTextOf(Handle());
    const std::wstring tidied = tidyOnFocusLoss_(current);
    if (tidied == current) return;
    DWORD selectionStart = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
    SetWindowTextW(Handle(), tidied.c_str());
    SendMessageW(Handle(), EM_SETSEL, selectionStart, selectionStart);
}

LRESULT EditBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            if (acceptsCharacter_ && !acceptsCharacter_(static_cast<unsigned>(wParam))) return 0;
            break;
        case WM_PAINT: {
            if (IsWindowEnabled(Handle())) break;
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(Handle(), &paint);
            PaintDisabled(dc);
            EndPaint(Handle(), &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            if (IsWindowEnabled(Handle())) break;
            PaintDisabled(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            if (!IsWindowEnabled(Handle())) return 1;  // the paint fills the box
            break;
        case WM_SETFONT:
        case WM_SIZE: {
            const LRESULT result = PassOn(message, wParam, lParam);
            if (multiLine_) FitFormattingRectToLines();
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = PassOn(message, wParam, lParam);
            if (tidyOnFocusLoss_) TidyText();
            return result;
        }
        default: break;
    }
    return PassOn(message, wParam, lParam);
}

}  // namespace tessellon::forms
