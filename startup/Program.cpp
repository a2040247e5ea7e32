#include "startup/Program.h"

#include "forms/FormRuntime.h"
#include "startup/ExternalRoutines.h"
#include "startup/ProgramDirectoryRule.h"

#include <windows.h>
#include <ole2.h>

#include <utility>
#include <vector>

namespace tessellon {
namespace {

std::wstring programDirectory;
ExitHookRoutine exitHook = nullptr;
bool oleInitialized = false;

[[noreturn]] void RunEndOfProgram(int exitCode) {
    if (ExitHookRoutine hook = std::exchange(exitHook, nullptr)) hook();
    ReleaseBoundLibraries();
    forms::DestroyAllForms();
    if (std::exchange(oleInitialized, false)) OleUninitialize();
    ExitProcess(static_cast<UINT>(exitCode));
}

std::wstring ModulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // the path was cut: try with more room
    }
}

}  // namespace

void InitProgramDirectory() {
    programDirectory = CutProgramDirectory(ModulePath());
    // "C:" alone would mean the drive's current folder; the program's folder is its root.
    const std::wstring current = programDirectory.size() == 2 ? programDirectory + L"\\" : programDirectory;
    SetCurrentDirectoryW(current.c_str());
}

std::wstring ProgramDirectory() { return programDirectory; }

void SetExitHook(ExitHookRoutine hook) { exitHook = hook; }

void NoteOleInitialized() { oleInitialized = true; }

void EndProgram(int exitCode) { RunEndOfProgram(exitCode); }

void RaiseRuntimeError(int errorCode, std::wstring_view message) {
    std::wstring text = L"程序运行时发生错误，即将退出。\r\n\r\n";
    if (errorCode != 0) text += L"错误码：" + std::to_wstring(errorCode) + L"\r\n";
    text += message;
    MessageBoxW(nullptr, text.c_str(), L"运行时错误", MB_OK | MB_ICONERROR);
    exitHook = nullptr;  // the fatal path never runs the exit hook
    RunEndOfProgram(-1);
}

}  // namespace tessellon
