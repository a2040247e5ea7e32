#include "forms/controls/SubclassedControl.h"

#include "forms/FormRuntime.h"

#include <commctrl.h>

namespace tessellon::forms {
namespace {
constexpr UINT_PTR kSubclassId = 1;
}

SubclassedControl::~SubclassedControl() {
    if (Handle() && IsWindow(Handle())) RemoveWindowSubclass(Handle(), &SubclassedControl::SubclassProc, kSubclassId);
}

void SubclassedControl::Adopt(HWND window) {
    SetHandle(window);
    if (window) SetWindowSubclass(window, &SubclassedControl::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT SubclassedControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return PassOn(message, wParam, lParam);
}

LRESULT SubclassedControl::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(Handle(), message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR self) {
    auto* control = reinterpret_cast<SubclassedControl*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &SubclassedControl::SubclassProc, kSubclassId);
        control->SetHandle(nullptr);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return detail::RunGuarded([&] { return control->HandleMessage(message, wParam, lParam); });
}

}  // namespace tessellon::forms
