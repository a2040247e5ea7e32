#pragma once
// Drives a program from outside, as a user's desktop would see it: starts it, finds its windows,
// waits (always with a bound) and reads how it ended.
#include <windows.h>

#include <string>

namespace tessellon::e2e {

// The folder of the running test program.
std::wstring TestProgramDirectory();
// A fresh, empty scratch folder under the system's temporary folder.
std::wstring MakeScratchDirectory(const wchar_t* name);

class ChildProcess {
public:
    ChildProcess(const std::wstring& program, const std::wstring& arguments = L"",
                 const std::wstring& workingDirectory = L"");
    ~ChildProcess();  // a child still running is terminated
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // True once the process has ended within the time; exitCode then holds its code.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode);

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// A top-level window of the process with the class name; visibleOnly skips hidden ones.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, bool visibleOnly);
// Polls for such a window; nullptr when none appeared within the time.
HWND WaitForProcessWindow(DWORD processId, const wchar_t* className, bool visibleOnly, DWORD timeoutMs);
// Polls until the window is hidden or gone; false when it stayed visible.
bool WaitUntilHidden(HWND window, DWORD timeoutMs);

// The texts of a window's children, joined with newlines (a message box's text is among them).
std::wstring ChildTexts(HWND window);

bool FileExists(const std::wstring& path);
std::string ReadFileText(const std::wstring& path);

}  // namespace tessellon::e2e
