#pragma once
// The one place where the kit's ANSI texts meet the wide texts the platform and GDI+ draw with.
#include <windows.h>

#include <string>
#include <string_view>

namespace tessellon::kit {

// ANSI text in the system code page -> UTF-16. The result's c_str() is what GDI+ and COM take.
std::wstring AnsiToWide(std::string_view ansi);

// A window's text in the system code page, the caller's own copy.
std::string GetWindowTextAnsi(HWND window);

}  // namespace tessellon::kit
