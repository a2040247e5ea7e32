#include "pngkit/TextConversion.h"

#include <windows.h>

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

}  // namespace tessellon::kit
