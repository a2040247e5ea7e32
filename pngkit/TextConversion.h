#pragma once
#include <string>
#include <string_view>

namespace tessellon::kit {

// ANSI text in the system code page -> UTF-16. The result's c_str() is what GDI+ and COM take.
std::wstring AnsiToWide(std::string_view ansi);

}  // namespace tessellon::kit
