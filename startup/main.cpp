#include "startup/Program.h"
#include "startup/StartupSequence.h"

#include <windows.h>

#include <new>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Memory that cannot be had is a condition the program cannot go on from.
    try {
        return tessellon::RunProgram();
    } catch (const std::bad_alloc&) {
        tessellon::RaiseRuntimeError(0, L"内存不足。");
    } catch (...) {
        tessellon::RaiseRuntimeError(0, L"启动时发生未处理的异常。");
    }
}
