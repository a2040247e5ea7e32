#include "forms/Form.h"

#include "forms/FormGeometry.h"
#include "forms/FormRuntime.h"
#include "forms/WindowText.h"
#include "forms/controls/ControlFactory.h"

#include <commctrl.h>

#include <set>

namespace tessellon::forms {
namespace {

constexpr int kProgramIconId = 1;

DWORD StyleFor(FrameKind frame) {
    switch (frame) {
        case FrameKind::None: return WS_POPUP | WS_CLIPCHILDREN;
        case FrameKind::FixedDialog: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    }
    return WS_POPUP;
}

HBRUSH BackgroundBrush(const FormDefinition& definition) {
    if (definition.backgroundSystemColour >= 0)
        return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(definition.backgroundSystemColour + 1));
    // Class brushes live as long as the class, which is the life of the process.
    return CreateSolidBrush(definition.backgroundColour);
}

bool EnsureClassRegistered(const FormDefinition& definition, WNDPROC procedure) {
    static std::set<std::wstring> registered;
    if (registered.contains(definition.className)) return true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconId));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = BackgroundBrush(definition);
    windowClass.lpszClassName = definition.className.c_str();
    if (!RegisterClassExW(&windowClass)) return false;
    registered.insert(definition.className);
    return true;
}

}  // namespace

bool Form::Create() {
    if (!EnsureClassRegistered(definition_, &Form::WindowProc)) return false;
    int left = CW_USEDEFAULT, top = CW_USEDEFAULT;
    if (definition_.centred) {
        const Origin origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                            definition_.outerWidth, definition_.outerHeight);
        left = origin.left;
        top = origin.top;
    }
    // No owner window, so each program window has its own taskbar button.
    CreateWindowExW(WS_EX_APPWINDOW, definition_.className.c_str(), definition_.title.c_str(),
                    StyleFor(definition_.frame), left, top, definition_.outerWidth, definition_.outerHeight,
                    nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) return false;
    if (!CreateControls()) {
        DestroyWindow(window_);
        return false;
    }
    for (std::size_t i = 0; i < definition_.timers.size(); ++i) {
        const TimerDefinition& timer = definition_.timers[i];
        if (timer.periodMs > 0) SetTimer(window_, kFirstTimerId + i, timer.periodMs, nullptr);
    }
    return true;
}

bool Form::CreateControls() {
    if (definition_.controls.empty()) return true;
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    // The system's default user-interface font, as dialogs use it.
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const ControlDefinition& definition : definition_.controls) {
        const std::wstring& container = ContainerOf(definition);
        HWND parent = container.empty() ? window_ : ControlHandle(container);
        if (!parent) return false;
        auto control = CreateControl(definition, *this, parent);
        if (!control) return false;
        SendMessageW(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls_.push_back(std::move(control));
    }
    return true;
}

HWND Form::ControlHandle(std::wstring_view name) const {
    for (const auto& control : controls_)
        if (control->Name() == name) return control->Handle();
    return nullptr;
}

std::wstring Form::ControlText(std::wstring_view name) const {
    HWND control = ControlHandle(name);
    return control ? WindowTextOf(control) : std::wstring();
}

void Form::SetControlText(std::wstring_view name, const std::wstring& text) {
    if (HWND control = ControlHandle(name)) SetWindowTextW(control, text.c_str());
}

Control* Form::FindControl(HWND child) const {
    if (!child) return nullptr;
    for (const auto& control : controls_)
        if (control->Handle() == child) return control.get();
    return nullptr;
}

// Notifications a control sends its parent come back to the control object; group boxes pass
// those of the controls they hold up to the window.
std::optional<LRESULT> Form::RouteChildNotification(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (Control* control = FindControl(reinterpret_cast<HWND>(lParam))) {
                control->OnCommand(HIWORD(wParam));
                return 0;
            }
            return std::nullopt;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (Control* control = FindControl(item.hwndItem); control && control->OnDrawItem(item)) return TRUE;
            return std::nullopt;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (Control* control = FindControl(reinterpret_cast<HWND>(lParam)))
                if (auto brush = control->OnControlColour(reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(*brush);
            return std::nullopt;
        default: return std::nullopt;
    }
}

// The focus leaves with the window and comes back to the same control, as in a dialog.
void Form::OnActivate(WPARAM state) {
    if (!HasControls()) return;
    if (LOWORD(state) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focusBeforeDeactivation_ = focus;
        return;
    }
    if (focusBeforeDeactivation_ && IsWindow(focusBeforeDeactivation_) && IsWindowEnabled(focusBeforeDeactivation_))
        SetFocus(focusBeforeDeactivation_);
    else
        FocusFirstStop();
}

void Form::FocusFirstStop() {
    if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
}

void Form::SetTimerPeriod(std::wstring_view timerName, UINT periodMs) {
    for (std::size_t i = 0; i < definition_.timers.size(); ++i) {
        if (definition_.timers[i].name != timerName) continue;
        if (periodMs == 0)
            KillTimer(window_, kFirstTimerId + i);
        else
            SetTimer(window_, kFirstTimerId + i, periodMs, nullptr);
    }
}

void Form::Show() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    HWND focus = GetFocus();
    if (HasControls() && !(focus && IsChild(window_, focus))) FocusFirstStop();
}

void Form::Hide() { ShowWindow(window_, SW_HIDE); }

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = nullptr;
    if (message == WM_NCCREATE) {
        form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    } else {
        form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!form) return DefWindowProcW(window, message, wParam, lParam);

    if (message == WM_NCDESTROY) {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->OnNcDestroy();  // the form is gone after this
        return result;
    }
    return detail::RunGuarded([&] { return form->HandleMessage(message, wParam, lParam); });
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto routed = RouteChildNotification(message, wParam, lParam)) return *routed;
    switch (message) {
        case WM_CLOSE: OnClose(); return 0;
        case WM_TIMER: OnTimer(wParam); return 0;
        case WM_ACTIVATE:
            if (!HasControls()) return DefWindowProcW(window_, message, wParam, lParam);
            OnActivate(wParam);
            return 0;
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Form::OnClose() {
    if (definition_.onCanClose && !definition_.onCanClose(*this)) return;
    DestroyWindow(window_);
}

void Form::OnTimer(UINT_PTR timerId) {
    if (timerId < kFirstTimerId || timerId >= kFirstTimerId + definition_.timers.size()) return;
    const TimerDefinition& timer = definition_.timers[timerId - kFirstTimerId];
    if (timer.onTick) timer.onTick(*this);
}

void Form::OnNcDestroy() {
    window_ = nullptr;
    detail::FormDestroyed(this);
}

}  // namespace tessellon::forms
