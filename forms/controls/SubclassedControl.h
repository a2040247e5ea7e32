#pragma once
// Base of the controls that are a system control (an edit box, a button) with some messages of
// their own: the object subclasses its window once it exists and lets go when either goes first.
#include "forms/Control.h"

namespace tessellon::forms {

class SubclassedControl : public Control {
public:
    ~SubclassedControl() override;

protected:
    explicit SubclassedControl(std::wstring name) : Control(std::move(name), nullptr) {}

    // Takes the created window (nullptr when creation failed) and starts seeing its messages.
    void Adopt(HWND window);

    // The messages the control handles; the default passes them on to the system control.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
};

}  // namespace tessellon::forms
