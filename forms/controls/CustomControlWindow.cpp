#include "forms/controls/CustomControlWindow.h"

#include "forms/FormRuntime.h"

#include <set>
#include <string>

namespace tessellon::forms {

bool CustomControlWindow::CreateWindowOf(const wchar_t* className, const std::wstring& text, DWORD style,
                                         DWORD extendedStyle, int x, int y, int width, int height, HWND parent,
                                         int id) {
    static std::set<std::wstring> registered;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registered.contains(className)) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &CustomControlWindow::WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        if (!RegisterClassExW(&windowClass)) return false;
        registered.insert(className);
    }
    CreateWindowExW(extendedStyle, className, text.c_str(), style, x, y, width, height, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    return Handle() != nullptr;
}

LRESULT CustomControlWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(Handle(), &paint);
            Paint(dc);
            EndPaint(Handle(), &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(Handle(), nullptr, TRUE);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(Handle(), message, wParam, lParam);
            InvalidateRect(Handle(), nullptr, TRUE);
            return result;
        }
        default: return DefWindowProcW(Handle(), message, wParam, lParam);
    }
}

LRESULT CALLBACK CustomControlWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CustomControlWindow* control = nullptr;
    if (message == WM_NCCREATE) {
        control = static_cast<CustomControlWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        control->SetHandle(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    } else {
        control = reinterpret_cast<CustomControlWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!control) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        control->SetHandle(nullptr);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return detail::RunGuarded([&] { return control->HandleMessage(message, wParam, lParam); });
}

}  // namespace tessellon::forms
