#pragma once
// The one place where the calculator's texts cross between the window's wide text and the GBK
// (code page 936) bytes the calculation works on, whatever the system's own code page is.
#include <string>
#include <string_view>

namespace tessellon::calculator {

std::string ToGbk(std::wstring_view text);
std::wstring FromGbk(std::string_view gbk);

}  // namespace tessellon::calculator
