#pragma once
// The frameless, per-pixel-transparent window that plays the smoke animation at start and then
// opens the calculator.
#include "forms/FormDefinition.h"
#include "pngkit/PngWindow.h"

#include <functional>

namespace tessellon::splash {

inline constexpr int kSplashWidth = 495;
inline constexpr int kSplashHeight = 331;
inline constexpr UINT kFramePeriodMs = 50;
inline constexpr wchar_t kTimerName[] = L"时钟1";
inline constexpr wchar_t kClassName[] = L"TessellonSplash";

// pngWindow: the layered-window object the splash attaches to and plays through. finished runs on
// the tick after the last frame, once the splash is hidden; it opens the next window.
forms::FormDefinition MakeSplashDefinition(kit::PngWindow& pngWindow, std::function<void()> finished);

}  // namespace tessellon::splash
