#include "startup/ExternalRoutines.h"

#include "pngkit/TextConversion.h"
#include "startup/Program.h"

#include <array>
#include <string>
#include <vector>

namespace tessellon {
namespace {

std::vector<ExternalRoutine*>& BoundRoutines() {
    static std::vector<ExternalRoutine*> routines;
    return routines;
}

constexpr std::array<const wchar_t*, 10> kSystemLibraries = {
    L"kernel32.dll", L"gdi32.dll",  L"user32.dll",   L"advapi32.dll", L"shell32.dll",
    L"ole32.dll",    L"oleaut32.dll", L"comctl32.dll", L"winmm.dll",    L"comdlg32.dll"};

// Loads a library and looks the entry up in it; keeps the library only when it has the entry.
bool TryLibrary(const wchar_t* path, const char* entry, ExternalRoutine& routine) {
    HMODULE module = LoadLibraryW(path);
    if (!module) return false;
    if (FARPROC address = GetProcAddress(module, entry)) {
        routine.address = address;
        routine.module = module;
        return true;
    }
    FreeLibrary(module);
    return false;
}

}  // namespace

FARPROC BindExternalRoutine(ExternalRoutine& routine) {
    if (routine.address) return routine.address;
    bool bound = false;
    if (routine.library.empty()) {
        for (const wchar_t* library : kSystemLibraries)
            if ((bound = TryLibrary(library, routine.entry, routine))) break;
    } else {
        const std::wstring name(routine.library);
        const std::wstring besideProgram = ProgramDirectory() + L"\\" + name;
        bound = TryLibrary(besideProgram.c_str(), routine.entry, routine) ||
                TryLibrary(name.c_str(), routine.entry, routine);
    }
    if (!bound) {
        const std::wstring library = routine.library.empty() ? L"(system libraries)" : std::wstring(routine.library);
        RaiseRuntimeError(0, L"无法调用动态链接库 \"" + library + L"\" 中的命令 \"" + kit::AnsiToWide(routine.entry) + L"\"。");
    }
    BoundRoutines().push_back(&routine);
    return routine.address;
}

void ReleaseBoundLibraries() {
    for (ExternalRoutine* routine : BoundRoutines()) {
        if (routine->module) FreeLibrary(routine->module);
        routine->module = nullptr;
        routine->address = nullptr;
    }
    BoundRoutines().clear();
}

}  // namespace tessellon
