#pragma once
// Base of the controls that paint themselves: registers a window class once per class name and
// finds the object from its handle, which it learns at WM_NCCREATE.
#include "forms/Control.h"

namespace tessellon::forms {

class CustomControlWindow : public Control {
protected:
    explicit CustomControlWindow(std::wstring name) : Control(std::move(name), nullptr) {}

    // Creates the window of this object; false when the system refuses.
    bool CreateWindowOf(const wchar_t* className, const std::wstring& text, DWORD style, DWORD extendedStyle,
                        int x, int y, int width, int height, HWND parent, int id);

    // Messages the control handles itself; the rest go to DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Paints every pixel of the client area (so the background is never erased first).
    virtual void Paint(HDC dc) = 0;

    HFONT Font() const { return font_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HFONT font_ = nullptr;
};

}  // namespace tessellon::forms
