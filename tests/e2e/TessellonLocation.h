#pragma once
// Where the program under test is: TESSELLON_EXE when set, else where the build put it.
#include <windows.h>

#include <string>

namespace tessellon::e2e {

inline std::wstring TessellonExe() {
    wchar_t fromEnvironment[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TESSELLON_EXE", fromEnvironment, MAX_PATH)) return fromEnvironment;
    std::wstring path = L"Z:";  // Wine shows the host's root as drive Z:
    for (const char* c = TESSELLON_EXE_HOST_PATH; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

}  // namespace tessellon::e2e
