#include "pngkit/ChildProcedures.h"

#include "pngkit/ChildRules.h"
#include "pngkit/Composition.h"
#include "pngkit/FocusState.h"
#include "pngkit/PropertyNames.h"
#include "pngkit/WindowProperties.h"

namespace tessellon::kit {
namespace {

static_assert(kWmSetFocus == WM_SETFOCUS && kWmKillFocus == WM_KILLFOCUS && kWmEnable == WM_ENABLE &&
              kWmSetText == WM_SETTEXT && kWmKeyDown == WM_KEYDOWN && kWmChar == WM_CHAR &&
              kWmMouseMove == WM_MOUSEMOVE && kWmLButtonDown == WM_LBUTTONDOWN && kWmLButtonUp == WM_LBUTTONUP &&
              kWmImeChar == WM_IME_CHAR && kWmMouseLeave == WM_MOUSELEAVE && kWmCut == WM_CUT &&
              kWmPaste == WM_PASTE);

LRESULT PassToOwnProcedure(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC own = ProcedureProperty(child, property::kChildWndProc);
    if (!own) return DefWindowProcW(child, message, wParam, lParam);  // never a call through nothing
    return CallWindowProcW(own, child, message, wParam, lParam);
}

// A recomposition that fails leaves the window's current picture on screen; nothing escapes into
// the control's message handling.
void Recompose(HWND parent) noexcept {
    if (!IsWindow(parent)) return;
    try {
        ComposeWindow(parent);
    } catch (...) {
    }
}

void RequestLeaveNotice(HWND child) {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = child;
    request.dwHoverTime = 0;
    TrackMouseEvent(&request);
}

bool IsKitProcedure(WNDPROC procedure) { return procedure == ButtonChildProc || procedure == EditChildProc; }

void Hook(HWND child, WNDPROC kitProcedure) {
    // A kit procedure saved as the child's own would pass every message to itself.
    if (IsKitProcedure(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(child, GWLP_WNDPROC)))) return;
    const auto own = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kitProcedure)));
    SetProcedureProperty(child, property::kChildWndProc, own);
}

}  // namespace

LRESULT CALLBACK ButtonChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const ButtonReaction reaction = ButtonReactionTo(message, wParam, IntProperty(child, property::kDrawState));
    if (reaction.setsState) {
        if (reaction.requestsLeave) RequestLeaveNotice(child);
        SetIntProperty(child, property::kDrawState, reaction.state);
        Recompose(GetParent(child));  // even when the state stayed the same
    }
    return PassToOwnProcedure(child, message, wParam, lParam);
}

LRESULT CALLBACK EditChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const EditReaction reaction = EditReactionTo(message);
    if (reaction == EditReaction::PassOn) return PassToOwnProcedure(child, message, wParam, lParam);

    // Taken now: the message may take the edit box away, and its window then still needs a new picture.
    const HWND parent = GetParent(child);
    FocusState& focus = KitFocus();
    if (reaction == EditReaction::TakeFocusThenRecompose) {
        focus.caretShown = 0;  // the caret line shows on the first blink tick
        focus.focusParent = parent;
        focus.focusEdit = child;
    } else if (reaction == EditReaction::LeaveFocusThenRecompose) {
        focus.focusEdit = nullptr;
        focus.focusParent = nullptr;
    }
    const LRESULT result = PassToOwnProcedure(child, message, wParam, lParam);
    Recompose(parent);
    return result;
}

void RehookChildren(HWND window) {
    if (!IsWindow(window)) return;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int type = IntProperty(child, property::kType);
        if (type == 0) continue;
        if (const WNDPROC reinstate = ProcedureProperty(child, property::kWndProcToReinstate)) {
            SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(reinstate));
            RemovePropW(child, property::kWndProcToReinstate);
        }
        if (ProcedureProperty(child, property::kChildWndProc)) continue;  // hooked already
        if (type == kChildButton) Hook(child, ButtonChildProc);
        else if (type == kChildEdit) Hook(child, EditChildProc);
    }
    Recompose(window);
}

}  // namespace tessellon::kit
