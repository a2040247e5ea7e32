// The loading-dialog window class, in process: what a dialog gives back when it is destroyed, in
// which order, and dragging it by any point.
#include "pngkit/LoadDialog.h"
#include "pngkit/PropertyNames.h"
#include "pngkit/WindowProperties.h"
#include "tests/wine/KitTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessellon::kit {
namespace {

using testing::MakeBitmap;

HWND CreateLoadDialog() {
    return CreateWindowExW(0, kLoadDialogClassName, L"", WS_POPUP, 40, 40, 120, 80, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HANDLE Duplicate(HANDLE handle) {
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS);
    return copy;
}

// A worker that runs a message loop and leaves it with its own exit code when asked to quit.
DWORD WINAPI LoopingWorker(void* ready) {
    MSG msg{};
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // now it has a queue
    SetEvent(static_cast<HANDLE>(ready));
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 42;
}

DWORD WINAPI QuickWorker(void*) { return 5; }

// A worker without a message queue that waits for something that never comes.
DWORD WINAPI StuckWorker(void* never) {
    WaitForSingleObject(static_cast<HANDLE>(never), INFINITE);
    return 7;
}

TEST(LoadDialogClass, IsRegisteredByTheKitsInitialisation) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), kLoadDialogClassName, &windowClass));
    EXPECT_EQ(windowClass.lpfnWndProc, &LoadDialogProc);
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW));
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(windowClass.hCursor, LoadCursorW(nullptr, IDC_ARROW));
}

// --- what is given back, and in which order ----------------------------------------------------

std::vector<std::string> releaseLog;
void NoteThread(HANDLE) { releaseLog.push_back("thread"); }
void NoteImage(GpImage*) { releaseLog.push_back("image"); }
void NoteMemory(HGLOBAL) { releaseLog.push_back("memory"); }

struct ReleaseCase {
    bool thread, image, memory;
    std::vector<std::string> log;
};

class LoadDialogRelease : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(LoadDialogRelease, ThreadThenImageThenMemorySkippingAbsentOnes) {
    const ReleaseCase c = GetParam();
    HWND dialog = CreateLoadDialog();
    ASSERT_NE(dialog, nullptr);
    // Stand-in values: the noting releasers never touch them.
    if (c.thread) SetPropW(dialog, property::kLoadThread, reinterpret_cast<HANDLE>(1));
    if (c.image) SetPropW(dialog, property::kLoadImage, reinterpret_cast<HANDLE>(2));
    if (c.memory) SetPropW(dialog, property::kLoadMemory, reinterpret_cast<HANDLE>(3));
    releaseLog.clear();
    ReleaseLoadDialogResources(dialog, {&NoteThread, &NoteImage, &NoteMemory});
    EXPECT_EQ(releaseLog, c.log);
    EXPECT_NE(GetPropW(dialog, property::kLoadThread) != nullptr, !c.thread) << "the properties stay";
    RemovePropW(dialog, property::kLoadThread);
    RemovePropW(dialog, property::kLoadImage);
    RemovePropW(dialog, property::kLoadMemory);
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadDialogRelease, ::testing::Values(
    ReleaseCase{false, false, false, {}},
    ReleaseCase{false, true, false, {"image"}},
    ReleaseCase{false, false, true, {"memory"}},
    ReleaseCase{false, true, true, {"image", "memory"}},
    ReleaseCase{true, false, true, {"thread", "memory"}},
    ReleaseCase{true, true, true, {"thread", "image", "memory"}}));

// --- real destruction ---------------------------------------------------------------------------

TEST(LoadDialogDestroy, WithoutPropertiesOnlyTheDefaultHandlingRuns) {
    HWND dialog = CreateLoadDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(DestroyWindow(dialog));
    EXPECT_FALSE(IsWindow(dialog));
}

TEST(LoadDialogDestroy, MemoryAloneIsFreed) {
    HWND dialog = CreateLoadDialog();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 64);
    ASSERT_NE(GlobalSize(memory), 0u);
    SetPropW(dialog, property::kLoadMemory, memory);
    DestroyWindow(dialog);
    EXPECT_EQ(GlobalSize(memory), 0u) << "the handle is no longer valid";
}

TEST(LoadDialogDestroy, AllResourcesAreGivenBackAndAWorkerWithAQueueLeavesByItself) {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE worker = CreateThread(nullptr, 0, &LoopingWorker, ready, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(ready, 10000), WAIT_OBJECT_0);
    HANDLE watch = Duplicate(worker);  // the dialog closes the handle it was given
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 64);
    ImagePtr image = MakeBitmap(8, 8, [](int, int) { return 0xFF336699u; });

    HWND dialog = CreateLoadDialog();
    SetPropW(dialog, property::kLoadThread, worker);
    SetPropW(dialog, property::kLoadImage, image.release());  // the dialog's own now
    SetPropW(dialog, property::kLoadMemory, memory);
    DestroyWindow(dialog);

    EXPECT_EQ(WaitForSingleObject(watch, 0), WAIT_OBJECT_0) << "the worker no longer runs";
    DWORD exitCode = 0;
    GetExitCodeThread(watch, &exitCode);
    EXPECT_EQ(exitCode, 42u) << "it left its loop itself";
    EXPECT_EQ(GlobalSize(memory), 0u);
    CloseHandle(watch);
    CloseHandle(ready);
}

TEST(LoadDialogDestroy, AWorkerThatCannotBeAskedIsEndedBeforeTheImageGoes) {
    HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE worker = CreateThread(nullptr, 0, &StuckWorker, never, 0, nullptr);
    HANDLE watch = Duplicate(worker);

    HWND dialog = CreateLoadDialog();
    SetPropW(dialog, property::kLoadThread, worker);
    DestroyWindow(dialog);

    EXPECT_EQ(WaitForSingleObject(watch, 0), WAIT_OBJECT_0) << "ended when the destruction returns";
    DWORD exitCode = 7;
    GetExitCodeThread(watch, &exitCode);
    EXPECT_EQ(exitCode, 0u) << "terminated";
    CloseHandle(watch);
    CloseHandle(never);
}

TEST(LoadDialogDestroy, AThreadThatHasEndedAlreadyOnlyHasItsHandleClosed) {
    HANDLE worker = CreateThread(nullptr, 0, &QuickWorker, nullptr, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(worker, 10000), WAIT_OBJECT_0);
    HANDLE watch = Duplicate(worker);
    HWND dialog = CreateLoadDialog();
    SetPropW(dialog, property::kLoadThread, worker);
    DestroyWindow(dialog);
    DWORD exitCode = 0;
    GetExitCodeThread(watch, &exitCode);
    EXPECT_EQ(exitCode, 5u);
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(worker, &flags)) << "the dialog's handle is closed";
    CloseHandle(watch);
}

// --- dragging -----------------------------------------------------------------------------------

// Stands in front of the dialog's procedure and notes the caption press and the system command
// it leads to.
struct DragLog {
    WNDPROC dialogProcedure = nullptr;
    bool captionPress = false;
    LPARAM captionPoint = 0;
    bool moveCommand = false;
};
DragLog dragLog;

LRESULT CALLBACK NotingDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
        dragLog.captionPress = true;
        dragLog.captionPoint = lParam;
    }
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MOVE) dragLog.moveCommand = true;
    return CallWindowProcW(dragLog.dialogProcedure, window, message, wParam, lParam);
}

struct DragCase {
    bool setHitMove;
    int hitMove;
    bool drags;
};

class LoadDialogDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(LoadDialogDrag, APressAnywhereMovesTheWindowOnlyWhenAsked) {
    const DragCase c = GetParam();
    HWND dialog = CreateLoadDialog();
    ASSERT_NE(dialog, nullptr);
    if (c.setHitMove) SetIntProperty(dialog, property::kHitMove, c.hitMove);
    dragLog = {};
    dragLog.dialogProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NotingDialogProcedure)));
    // Should the system's move loop run, it ends at the first key press it reads.
    PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    SetCapture(dialog);

    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 20));

    EXPECT_EQ(dragLog.captionPress, c.drags);
    EXPECT_EQ(dragLog.moveCommand, c.drags) << "the system moves the window as from its caption";
    EXPECT_EQ(GetCapture() == dialog, !c.drags) << "a drag gives up the capture first";
    if (c.drags) {
        // The caption press carries the pressed point on the screen: (40 + 30, 40 + 20).
        EXPECT_EQ(static_cast<short>(LOWORD(dragLog.captionPoint)), 70);
        EXPECT_EQ(static_cast<short>(HIWORD(dragLog.captionPoint)), 60);
    }
    ReleaseCapture();
    MSG msg{};
    while (PeekMessageW(&msg, dialog, 0, 0, PM_REMOVE)) {}
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadDialogDrag, ::testing::Values(
    DragCase{true, 1, true},
    DragCase{true, 2, false},
    DragCase{false, 0, false}));

}  // namespace
}  // namespace tessellon::kit
