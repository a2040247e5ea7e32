#pragma once
// Reading and writing the kit's window properties as the values they stand for. An absent
// property reads as 0.
#include <windows.h>

namespace tessellon::kit {

// Integer properties keep the low 32 bits, so a colour of -1 reads back as -1 whether it was
// stored sign-extended or not.
inline int IntProperty(HWND window, const wchar_t* name) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, name)));
}

inline void SetIntProperty(HWND window, const wchar_t* name, int value) {
    SetPropW(window, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
}

template <typename T>
T* PointerProperty(HWND window, const wchar_t* name) {
    return static_cast<T*>(GetPropW(window, name));
}

inline WNDPROC ProcedureProperty(HWND window, const wchar_t* name) {
    return reinterpret_cast<WNDPROC>(GetPropW(window, name));
}

inline void SetProcedureProperty(HWND window, const wchar_t* name, WNDPROC procedure) {
    SetPropW(window, name, reinterpret_cast<HANDLE>(procedure));
}

}  // namespace tessellon::kit
