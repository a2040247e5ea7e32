#include "pngkit/KitInit.h"

#include "pngkit/GdiplusFlat.h"
#include "pngkit/LoadDialog.h"

#include <memory>

namespace tessellon::kit {
namespace {

ULONG_PTR gdiplusToken = 0;
std::unique_ptr<GUID> frameDimensionTimeBuffer;

constexpr wchar_t kFrameDimensionTimeText[] = L"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";

}  // namespace

void StartGdiplus() {
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    Gdiplus::GdiplusStartup(&gdiplusToken, &input, nullptr);
}

void InitKit() {
    StartGdiplus();
    auto buffer = std::make_unique<GUID>();  // value-initialised: all zero if parsing fails
    CLSIDFromString(kFrameDimensionTimeText, buffer.get());
    frameDimensionTimeBuffer = std::move(buffer);
    RegisterLoadDialogClass();
}

const GUID* FrameDimensionTime() { return frameDimensionTimeBuffer.get(); }

void ReleaseKitState() { frameDimensionTimeBuffer.reset(); }

}  // namespace tessellon::kit
