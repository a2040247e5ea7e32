// A small program the start-up tests run as a child process: it links the program's own life-cycle
// code and takes one of its roads, named on the command line, leaving traces in a marker file.
#include "startup/ExternalRoutines.h"
#include "startup/Program.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string markerPath;

void AppendToMarker(const std::string& line) {
    if (FILE* file = std::fopen(markerPath.c_str(), "ab")) {
        std::fputs((line + "\n").c_str(), file);
        std::fclose(file);
    }
}

void RecordingExitHook() { AppendToMarker("exit hook"); }

// Runs once, then tries to end the program again from inside the hook: the slot is already empty.
void ReenteringExitHook() {
    AppendToMarker("exit hook");
    tessellon::EndProgram(9);
}

std::string Narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tessellon;
    if (argc < 3) return 2;
    const std::string mode = argv[1];
    markerPath = argv[2];
    InitProgramDirectory();
    SetExitHook(&RecordingExitHook);

    if (mode == "fatal") RaiseRuntimeError(42, L"测试用的致命错误");
    if (mode == "missing-library") {
        static ExternalRoutine routine{L"NoSuchLibrary.dll", "NoSuchEntry"};
        BindExternalRoutine(routine);
    }
    if (mode == "missing-entry") {
        static ExternalRoutine routine{L"kernel32.dll", "NoSuchEntryAnywhere"};
        BindExternalRoutine(routine);
    }
    if (mode == "hook-once") {
        SetExitHook(&ReenteringExitHook);
        EndProgram(7);
    }
    if (mode == "bind-system") {
        static ExternalRoutine tickCount{L"", "GetTickCount"};
        using TickCount = DWORD(WINAPI*)();
        const TickCount first = BoundRoutine<TickCount>(tickCount);
        const TickCount again = BoundRoutine<TickCount>(tickCount);
        const auto direct = reinterpret_cast<TickCount>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount")));
        const bool works = first == again && first == direct;
        AppendToMarker(works && first() != 0 ? "bound" : "not bound");
        EndProgram(0);
    }
    if (mode == "bind-beside") {
        static ExternalRoutine probe{L"tessellon_probe.dll", "ProbeAnswer"};
        const int answer = BoundRoutine<int(WINAPI*)()>(probe)();
        AppendToMarker(answer == 42 && probe.module ? "bound beside the program" : "not bound");
        EndProgram(0);
    }
    if (mode == "directory") {
        wchar_t current[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, current);
        AppendToMarker(Narrow(ProgramDirectory()));
        AppendToMarker(Narrow(current));
        EndProgram(0);
    }
    if (mode == "code-page") return static_cast<int>(GetACP());  // which locale the child runs under
    return 3;  // unknown mode
}
