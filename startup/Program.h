#pragma once
// The program's life-cycle services: its folder, the exit hook, and the two ways to end on purpose
// (EndProgram) or on a condition the program cannot go on from (RaiseRuntimeError).
#include <string>
#include <string_view>

namespace tessellon {

using ExitHookRoutine = void (*)();

// Computes the program folder once from the program file's path and makes it the current folder.
void InitProgramDirectory();
// The folder of the program file, without a trailing backslash ("C:" for a drive's root).
std::wstring ProgramDirectory();

// Registers the routine the end of the program runs once; a later registration replaces it.
void SetExitHook(ExitHookRoutine hook);

// Runs the end-of-program processing and ends the process with the exit code: the exit hook (at
// most once per process), the bound libraries, every program window, OLE.
[[noreturn]] void EndProgram(int exitCode);

// Shows the fatal-error box, then ends the process with exit code -1 without running the exit hook.
[[noreturn]] void RaiseRuntimeError(int errorCode, std::wstring_view message);

// Remembers that OLE was initialised here, so the end of the program uninitialises it.
void NoteOleInitialized();

}  // namespace tessellon
