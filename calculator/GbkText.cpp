#include "calculator/GbkText.h"

#include <windows.h>

namespace tessellon::calculator {
namespace {
constexpr UINT kGbkCodePage = 936;
}

std::string ToGbk(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string gbk(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), gbk.data(), size, nullptr,
                            nullptr);
    return gbk;
}

std::wstring FromGbk(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int size = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), text.data(), size);
    return text;
}

}  // namespace tessellon::calculator
