#pragma once
// Input as a user gives it: the pointer moved and clicked, keys pressed and characters typed, all
// through the system's input queue (SendInput), so they reach whichever window is under the
// pointer or has the focus, exactly like real hardware input.
#include <windows.h>

#include <functional>
#include <string>

namespace tessellon::e2e {

POINT CentreOf(HWND window);
void MovePointerTo(POINT screen);
// Moves the pointer to the window's centre and clicks the left button there.
void ClickOn(HWND window);
// A key pressed and released, with Ctrl and/or Shift held when asked.
void PressKey(WORD virtualKey, bool ctrl = false, bool shift = false);
// Each character typed as the keyboard would deliver it (a WM_CHAR per character).
void TypeText(const std::wstring& text);

// Polls until the condition holds; false when it did not within the time.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Another process's window text, read through WM_GETTEXT with a bound on the wait.
std::wstring TextOf(HWND window);
// The window that has the keyboard focus in the thread that owns the given window.
HWND FocusInThreadOf(HWND window);
// The child window with the given id anywhere below the parent.
HWND FindDescendant(HWND parent, int id);

// Puts text on the clipboard, as a user's copy would.
bool SetClipboardText(const std::wstring& text);

}  // namespace tessellon::e2e
