#pragma once
// One live window built from a FormDefinition. The object is found from the window handle once, at
// WM_NCCREATE; the window procedure is a thin switch calling named handlers, and no exception
// leaves it.
#include "forms/Control.h"
#include "forms/FormDefinition.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon::forms {

class Form {
public:
    explicit Form(const FormDefinition& definition) : definition_(definition) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window (hidden). False when the system refuses.
    bool Create();

    HWND Handle() const { return window_; }

    // Changes a timer's period; 0 stops it.
    void SetTimerPeriod(std::wstring_view timerName, UINT periodMs);
    void Show();
    void Hide();

    // The window's controls, by the names their definitions give them.
    bool HasControls() const { return !controls_.empty(); }
    HWND ControlHandle(std::wstring_view name) const;
    std::wstring ControlText(std::wstring_view name) const;
    void SetControlText(std::wstring_view name, const std::wstring& text);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnTimer(UINT_PTR timerId);
    void OnNcDestroy();
    bool CreateControls();
    Control* FindControl(HWND child) const;
    std::optional<LRESULT> RouteChildNotification(UINT message, WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM state);
    void FocusFirstStop();

    static constexpr UINT_PTR kFirstTimerId = 1000;  // clear of ids other code puts on the window

    const FormDefinition& definition_;
    HWND window_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    HWND focusBeforeDeactivation_ = nullptr;
};

}  // namespace tessellon::forms
