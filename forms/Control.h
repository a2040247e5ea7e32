#pragma once
// One live control of a form. The form routes the notifications a control's parent receives
// (commands, owner drawing, colours) back to the control they concern.
#include <windows.h>

#include <optional>
#include <string>

namespace tessellon::forms {

class Control {
public:
    Control(std::wstring name, HWND window) : name_(std::move(name)), window_(window) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::wstring& Name() const { return name_; }
    HWND Handle() const { return window_; }

    // A WM_COMMAND notification from this control.
    virtual void OnCommand(WORD /*code*/) {}
    // WM_DRAWITEM for this control; true when drawn.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // WM_CTLCOLOR* for this control: the brush to paint with, or nothing for the default.
    virtual std::optional<HBRUSH> OnControlColour(HDC /*dc*/) { return std::nullopt; }

protected:
    void SetHandle(HWND window) { window_ = window; }

private:
    std::wstring name_;
    HWND window_;
};

}  // namespace tessellon::forms
