#pragma once
// Routines of libraries that are bound by name at their first call (the program folder is tried
// before the system's search order), so a library the program writes at run time only has to exist
// by then. A routine that cannot be bound is a fatal error naming library and entry.
#include <windows.h>

#include <string_view>

namespace tessellon {

struct ExternalRoutine {
    std::wstring_view library;  // empty: look among the standard system libraries
    const char* entry;
    FARPROC address = nullptr;
    HMODULE module = nullptr;
};

FARPROC BindExternalRoutine(ExternalRoutine& routine);

template <typename Function>
Function BoundRoutine(ExternalRoutine& routine) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(BindExternalRoutine(routine)));
}

// Gives back the library references taken while binding; part of ending the program.
void ReleaseBoundLibraries();

}  // namespace tessellon
