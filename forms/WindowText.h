#pragma once
// A window's whole text, through the wide API.
#include <windows.h>

#include <string>

namespace tessellon::forms {

inline std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace tessellon::forms
