#pragma once
// The program's folder from the full path of its file: everything before the last backslash. A
// file in a drive's root folder gives just the drive letter and colon; no backslash gives "".
#include <string>
#include <string_view>

namespace tessellon {

inline std::wstring CutProgramDirectory(std::wstring_view modulePath) {
    const std::size_t lastBackslash = modulePath.rfind(L'\\');
    if (lastBackslash == std::wstring_view::npos) return {};
    return std::wstring(modulePath.substr(0, lastBackslash));
}

}  // namespace tessellon
