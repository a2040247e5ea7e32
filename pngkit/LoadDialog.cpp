#include "pngkit/LoadDialog.h"

#include "pngkit/PropertyNames.h"
#include "pngkit/WindowProperties.h"

#include <windowsx.h>

namespace tessellon::kit {
namespace {

constexpr DWORD kGracefulStopMs = 500;
// Termination is asynchronous; a thread that still has not gone after this is not waited for.
constexpr DWORD kTerminationWaitMs = 5000;

bool HasEnded(HANDLE thread, DWORD waitMs) { return WaitForSingleObject(thread, waitMs) == WAIT_OBJECT_0; }

void DisposeImage(GpImage* image) { GdipDisposeImage(image); }
void FreeMemory(HGLOBAL memory) { GlobalFree(memory); }

void StartDrag(HWND window, LPARAM pressPoint) {
    // The caption press carries its point in screen coordinates, as a real one would: the move
    // follows the cursor from there.
    POINT point{GET_X_LPARAM(pressPoint), GET_Y_LPARAM(pressPoint)};
    ClientToScreen(window, &point);
    ReleaseCapture();
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

}  // namespace

void StopWorkerThread(HANDLE thread) {
    const DWORD threadId = GetThreadId(thread);
    // Never the thread this runs on: ending it would end the dialog's own message loop.
    if (threadId != 0 && threadId != GetCurrentThreadId() && !HasEnded(thread, 0)) {
        const bool asked = PostThreadMessageW(threadId, WM_QUIT, 0, 0) != FALSE;
        if (!asked || !HasEnded(thread, kGracefulStopMs)) {
            if (TerminateThread(thread, 0)) HasEnded(thread, kTerminationWaitMs);
        }
    }
    CloseHandle(thread);
}

const LoadDialogReleasers& StandardLoadDialogReleasers() {
    static const LoadDialogReleasers releasers{&StopWorkerThread, &DisposeImage, &FreeMemory};
    return releasers;
}

void ReleaseLoadDialogResources(HWND window, const LoadDialogReleasers& releasers) {
    // The thread goes first, so nothing uses the image or its memory while they are given back;
    // the image goes before the memory it may still read from.
    if (auto* thread = GetPropW(window, property::kLoadThread)) releasers.stopThread(thread);
    if (auto* image = PointerProperty<GpImage>(window, property::kLoadImage)) releasers.disposeImage(image);
    if (auto* memory = GetPropW(window, property::kLoadMemory)) releasers.freeMemory(memory);
}

LRESULT CALLBACK LoadDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            ReleaseLoadDialogResources(window, StandardLoadDialogReleasers());
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_LBUTTONDOWN: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            if (IntProperty(window, property::kHitMove) == 1) StartDrag(window, lParam);
            return result;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterLoadDialogClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = LoadDialogProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kLoadDialogClassName;
    RegisterClassExW(&windowClass);
}

}  // namespace tessellon::kit
