#include "tests/e2e/UserInput.h"

#include <cstdlib>
#include <vector>

namespace tessellon::e2e {
namespace {

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

}  // namespace

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Absolute coordinates run from 0 to 65535 across the primary screen.
POINT AbsoluteFor(POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    return {static_cast<LONG>((screen.x * 65535LL + width / 2) / (width - 1)),
            static_cast<LONG>((screen.y * 65535LL + height / 2) / (height - 1))};
}

void MovePointerTo(POINT screen) {
    const POINT absolute = AbsoluteFor(screen);
    Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, absolute.x, absolute.y)});
    // Under Wine the X server's own pointer follows a little later and can report a position on
    // the way: wait until the pointer has stayed on the spot for a few polls.
    int steady = 0;
    WaitUntil([&] {
        POINT at{};
        GetCursorPos(&at);
        steady = (at.x == screen.x && at.y == screen.y) ? steady + 1 : 0;
        return steady >= 3;
    }, 2000);
}

void ClickOn(HWND window) {
    // Two quick clicks on nearly the same spot make a double click, which is not what a user
    // clicking two things in turn gives: step aside from the last click, or wait it out.
    static POINT lastClick{-100, -100};
    static ULONGLONG lastClickTime = 0;
    POINT target = CentreOf(window);
    const bool recent = GetTickCount64() - lastClickTime <= GetDoubleClickTime();
    const int slackX = GetSystemMetrics(SM_CXDOUBLECLK), slackY = GetSystemMetrics(SM_CYDOUBLECLK);
    if (recent && std::abs(target.x - lastClick.x) <= slackX && std::abs(target.y - lastClick.y) <= slackY) {
        RECT rect{};
        GetWindowRect(window, &rect);
        const POINT aside{lastClick.x + slackX + 1, target.y};
        if (PtInRect(&rect, aside)) target = aside;
        else Sleep(GetDoubleClickTime() + 50);
    }
    MovePointerTo(target);
    // Press and release carry the spot as well, so a late pointer report cannot move the click.
    const POINT absolute = AbsoluteFor(target);
    constexpr DWORD kAt = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send({MouseInput(kAt | MOUSEEVENTF_LEFTDOWN, absolute.x, absolute.y),
          MouseInput(kAt | MOUSEEVENTF_LEFTUP, absolute.x, absolute.y)});
    lastClick = target;
    lastClickTime = GetTickCount64();
}

void PressKey(WORD virtualKey, bool ctrl, bool shift) {
    std::vector<INPUT> inputs;
    if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, false));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
    if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, true));
    Send(inputs);
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    Send(inputs);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() > end) return false;
        Sleep(10);
    }
}

std::wstring TextOf(HWND window) {
    wchar_t text[2048] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied))
        return L"<no answer>";
    return std::wstring(text, copied);
}

HWND FocusInThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

HWND FindDescendant(HWND parent, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            if (GetDlgCtrlID(child) != s->id) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool SetClipboardText(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool placed = false;
    if (memory) {
        if (void* data = GlobalLock(memory)) {
            memcpy(data, text.c_str(), bytes);
            GlobalUnlock(memory);
            placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!placed) GlobalFree(memory);  // on success the clipboard owns it
    }
    CloseClipboard();
    return placed;
}

}  // namespace tessellon::e2e
