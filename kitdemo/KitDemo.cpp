// A kit window to look at and try: a picture, a button and an edit box as real child controls,
// seen only through the window's composed picture.
#include "kitdemo/DemoPictures.h"
#include "pngkit/ChildRules.h"
#include "pngkit/KitInit.h"
#include "pngkit/PngWindow.h"
#include "pngkit/PropertyNames.h"
#include "pngkit/WindowProperties.h"
#include "winutil/ScopedHandles.h"

#include <array>
#include <exception>

namespace tessellon::kitdemo {
namespace {

using namespace kit;

constexpr wchar_t kClassName[] = L"TessellonKitDemo";
constexpr int kButtonId = 101;
constexpr int kButtonWidth = 150, kButtonHeight = 38;

struct Placement {
    int backType;
    const wchar_t* name;
};
constexpr std::array<Placement, 3> kPlacements{{
    {kPlaceFitted, L"fitted, centred"},
    {kPlaceStretched, L"stretched"},
    {0, L"natural size, cut"},
}};

// Everything the window shows. The pictures belong to the demo and outlive the window.
struct Demo {
    PngWindow png;
    HWND picture = nullptr;
    HWND button = nullptr;
    HWND edit = nullptr;
    ScopedGdiObject editFont;
    ImagePtr panel;
    ImagePtr tiles;
    std::array<ImagePtr, 4> buttonLooks;
    std::size_t placement = 0;
};
Demo* demo = nullptr;

void ShowPlacement(std::size_t index) {
    demo->placement = index % kPlacements.size();
    SetIntProperty(demo->picture, property::kBackType, kPlacements[demo->placement].backType);
    ImagePtr panel = MakePanelPicture(kPlacements[demo->placement].name);
    demo->png.SetBackImage(panel.get());  // recomposes
    demo->panel = std::move(panel);       // the one it replaced is no longer shown
}

HWND AddChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
              int height, int id, int type) {
    HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    SetIntProperty(child, property::kType, type);
    return child;
}

void BuildChildren(HWND window) {
    demo->picture = AddChild(window, L"STATIC", L"", 0, 24, 56, 150, 150, 0, kChildPicture);
    demo->tiles = MakeTilePicture();
    SetPropW(demo->picture, property::kBackImage, demo->tiles.get());

    demo->edit = AddChild(window, L"EDIT", L"Type here · 在这里输入", ES_AUTOHSCROLL | WS_TABSTOP, 196, 58, 220, 30, 0,
                          kChildEdit);
    demo->editFont.Reset(CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, DemoFontFace()));
    SendMessageW(demo->edit, WM_SETFONT, reinterpret_cast<WPARAM>(demo->editFont.Get()), FALSE);
    SetIntProperty(demo->edit, property::kBackColor, RGB(0xF4, 0xF7, 0xFC));
    SetIntProperty(demo->edit, property::kBackAlpha, 235);
    SetIntProperty(demo->edit, property::kBorderColor, RGB(0x6F, 0xAE, 0xFF));
    SetIntProperty(demo->edit, property::kBorderAlpha, 255);
    SetIntProperty(demo->edit, property::kTextColor, RGB(0x1A, 0x24, 0x3A));

    demo->button = AddChild(window, L"BUTTON", L"Placement", BS_PUSHBUTTON | WS_TABSTOP, 196, 160, kButtonWidth,
                            kButtonHeight, kButtonId, kChildButton);
    const std::array<std::pair<const wchar_t*, ButtonLook>, 4> looks{{
        {property::kNormalImage, ButtonLook::Normal},
        {property::kOverImage, ButtonLook::Over},
        {property::kDownImage, ButtonLook::Down},
        {property::kDisableImage, ButtonLook::Disabled},
    }};
    for (std::size_t i = 0; i < looks.size(); ++i) {
        demo->buttonLooks[i] = MakeButtonPicture(looks[i].second, kButtonWidth, kButtonHeight, L"Next placement");
        SetPropW(demo->button, looks[i].first, demo->buttonLooks[i].get());
    }
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST: {
            // The panel itself drags the window; its controls keep their own hit-testing.
            const LRESULT hit = DefWindowProcW(window, message, wParam, lParam);
            return hit == HTCLIENT ? HTCAPTION : hit;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) ShowPlacement(demo->placement + 1);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK DemoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (const std::exception&) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Keys the whole window answers, whichever control has the focus.
bool HandleWindowKey(const MSG& msg, HWND window) {
    if (msg.message != WM_KEYDOWN) return false;
    if (msg.wParam == VK_ESCAPE) {
        DestroyWindow(window);
        return true;
    }
    if (msg.wParam == VK_F2) {
        EnableWindow(demo->button, !IsWindowEnabled(demo->button));
        return true;
    }
    return false;
}

int Run() {
    InitKit();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DemoWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) return 1;

    const int left = (GetSystemMetrics(SM_CXSCREEN) - kPanelWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kPanelHeight) / 2;
    HWND window = CreateWindowExW(0, kClassName, L"Tessellon kit demo", WS_POPUP, left, top, kPanelWidth,
                                  kPanelHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window || !demo->png.Attach(window)) return 1;
    BuildChildren(window);
    ShowPlacement(0);
    demo->png.RehookChildren();  // hooks the button and the edit box, and recomposes
    ShowWindow(window, SW_SHOW);
    SetFocus(demo->edit);

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (HandleWindowKey(msg, window)) continue;
        if (IsDialogMessageW(window, &msg)) continue;  // Tab between the controls
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace
}  // namespace tessellon::kitdemo

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        tessellon::kitdemo::Demo demo;
        tessellon::kitdemo::demo = &demo;
        const int exitCode = tessellon::kitdemo::Run();
        tessellon::kitdemo::demo = nullptr;
        return exitCode;
    } catch (...) {
        MessageBoxW(nullptr, L"The kit demo stopped on an unexpected error.", L"Tessellon kit demo", MB_ICONERROR);
        return 1;
    }
}
