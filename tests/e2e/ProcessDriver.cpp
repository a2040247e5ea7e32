#include "tests/e2e/ProcessDriver.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace tessellon::e2e {

std::wstring TestProgramDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path);
    return text.substr(0, text.rfind(L'\\'));
}

std::wstring MakeScratchDirectory(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"tessellon-" + name + L"-" + std::to_wstring(GetCurrentProcessId()) +
                          L"-" + std::to_wstring(GetTickCount());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments,
                           const std::wstring& workingDirectory) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool ChildProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_, &exitCode);
    return true;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    wchar_t className[128] = {};
    GetClassNameW(window, className, 128);
    if (wcscmp(className, search->className) != 0) return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectText(HWND window, LPARAM parameter) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    auto* joined = reinterpret_cast<std::wstring*>(parameter);
    if (text[0]) *joined += std::wstring(text) + L"\n";
    return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, bool visibleOnly) {
    WindowSearch search{processId, className, visibleOnly, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessWindow(DWORD processId, const wchar_t* className, bool visibleOnly, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND window = FindProcessWindow(processId, className, visibleOnly)) return window;
        if (GetTickCount64() > end) return nullptr;
        Sleep(10);
    }
}

bool WaitUntilHidden(HWND window, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount64() > end) return false;
        Sleep(10);
    }
    return true;
}

std::wstring ChildTexts(HWND window) {
    std::wstring joined;
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&joined));
    return joined;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFileText(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace tessellon::e2e
