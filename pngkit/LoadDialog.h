#pragma once
// The window class of a small loading dialog. A window of this class owns, through its
// properties, a worker thread, a GDI+ image and the global memory behind that image, and gives
// them back when it is destroyed. With "NimbarHitMove" set to 1 a press anywhere drags it.
#include "pngkit/GdiplusFlat.h"

namespace tessellon::kit {

inline constexpr wchar_t kLoadDialogClassName[] = L"NimbarLoadDialog";

// Registers the class for the program's own module. Runs once, at the end of InitKit.
void RegisterLoadDialogClass();

LRESULT CALLBACK LoadDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// How a destroyed dialog gives its resources back, one step each, in this order: the thread
// (ended, then its handle closed), the image, the memory behind the image.
struct LoadDialogReleasers {
    void (*stopThread)(HANDLE thread);
    void (*disposeImage)(GpImage* image);
    void (*freeMemory)(HGLOBAL memory);
};
const LoadDialogReleasers& StandardLoadDialogReleasers();

// Releases what the dialog's properties hold, skipping absent ones. The properties stay.
void ReleaseLoadDialogResources(HWND window, const LoadDialogReleasers& releasers);

// Ends a worker thread and closes its handle; returns once the thread no longer runs. A worker
// with a message queue is first asked to leave with WM_QUIT and given a moment to do so; one that
// cannot be asked, or does not leave, is terminated.
void StopWorkerThread(HANDLE thread);

}  // namespace tessellon::kit
