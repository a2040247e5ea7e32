#include "pngkit/TextConversion.h"

#include <cstring>

namespace tessellon::kit {

std::wstring AnsiToWide(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int length = static_cast<int>(ansi.size());
    const int count = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    if (count <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), count);
    return wide;
}

std::string GetWindowTextAnsi(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(std::strlen(text.c_str()));  // the length may overstate the text; it ends at its NUL
    return text;
}

}  // namespace tessellon::kit
