#pragma once
// One live window built from a FormDefinition. The object is found from the window handle once, at
// WM_NCCREATE; the window procedure is a thin switch calling named handlers, and no exception
// leaves it.
#include "forms/FormDefinition.h"

#include <string_view>

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

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnTimer(UINT_PTR timerId);
    void OnNcDestroy();

    static constexpr UINT_PTR kFirstTimerId = 1000;  // clear of ids other code puts on the window

    const FormDefinition& definition_;
    HWND window_ = nullptr;
};

}  // namespace tessellon::forms
