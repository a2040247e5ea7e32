#include "pngkit/PngWindow.h"

#include "pngkit/ChildProcedures.h"
#include "pngkit/Composition.h"
#include "pngkit/ImageLoading.h"
#include "pngkit/KitRules.h"
#include "pngkit/PropertyNames.h"

namespace tessellon::kit {
namespace {

constexpr int kSystemCaretWidth = 1;
constexpr int kSystemCaretHeight = 12;

// Disposes the back image the kit decoded earlier unless it is still the one in use.
void DisposeReplacedDecodedImage(HWND window, GpImage* current) {
    auto* decoded = static_cast<LoadedImage*>(GetPropW(window, property::kDecodedBackImage));
    if (!decoded || decoded->Image() == current) return;
    RemovePropW(window, property::kDecodedBackImage);
    delete decoded;
}

}  // namespace

bool PngWindow::Attach(HWND window) {
    if (!IsWindow(window)) return false;
    window_ = window;
    SetWindowLongPtrW(window, GWL_EXSTYLE, WS_EX_LAYERED);
    CreateCaret(window, nullptr, kSystemCaretWidth, kSystemCaretHeight);
    if (GetPropW(window, property::kTime)) return true;
    SetTimer(window, kCaretTimerId, kCaretTimerPeriodMs, CaretTimerProc);
    SetPropW(window, property::kTime, reinterpret_cast<HANDLE>(kCaretTimerId));
    return true;
}

bool PngWindow::SetBackImage(GpImage* image) {
    if (!IsWindow(window_) || !image) return false;
    SetPropW(window_, property::kBackImage, image);
    ComposeWindow(window_);
    DisposeReplacedDecodedImage(window_, image);
    return true;
}

bool PngWindow::SetBackImageFromBytes(std::span<const std::byte> bytes) {
    std::unique_ptr<LoadedImage> loaded = LoadImageFromBytes(bytes);
    if (!loaded || !SetBackImage(loaded->Image())) return false;
    SetPropW(window_, property::kDecodedBackImage, loaded.release());
    return true;
}

void PngWindow::RehookChildren() { kit::RehookChildren(window_); }

void PngWindow::MoveResize(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                           std::optional<int> height, bool noActivate) {
    RECT rect{};
    GetWindowRect(window_, &rect);
    const MoveResizePlan plan =
        PlanMoveResize({rect.left, rect.top, rect.right, rect.bottom}, {x, y, width, height, noActivate});
    SetWindowPos(window_, nullptr, plan.x, plan.y, plan.width, plan.height, plan.flags);
}

bool PngWindow::IsValid() const { return IsWindow(window_) == TRUE; }

LRESULT PngWindow::SendWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(window_, message, wParam, lParam);
}

}  // namespace tessellon::kit
