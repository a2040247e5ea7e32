// Measures what playing the splash costs: one tick (decode, compose, present) against the bare
// decode plus UpdateLayeredWindow, the pace of a real 50 ms timer, and the process's private bytes
// before the first and after the last frame.
#include "assets/Assets.h"
#include "benchmarks/BenchClock.h"
#include "pngkit/Composition.h"
#include "pngkit/ImageLoading.h"
#include "pngkit/KitInit.h"
#include "pngkit/PngWindow.h"
#include "winutil/ScopedHandles.h"

#include <windows.h>
#include <ole2.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>

using namespace tessellon;

namespace {

constexpr int kWidth = 495;
constexpr int kHeight = 331;
constexpr int kRounds = 5;

using bench::NowMs;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    // Wine reports PrivateUsage as 0; PagefileUsage carries the private bytes there and on Windows.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

HWND MakeSplashLikeWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SplashBenchWindow";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, L"SplashBenchWindow", L"", WS_POPUP, 100, 100, kWidth, kHeight, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

// The least any player must do per frame: decode it and hand it to the layered window.
void BareDecodeAndPresent(HWND window, int frame) {
    auto image = kit::LoadImageFromBytes(assets::SplashFrame(frame));
    ScopedWindowDc dc(window, GetWindowDC(window));
    kit::PresentationSurface surface(dc.Get(), kWidth, kHeight);
    surface.Draw(image->Image(), nullptr, false);
    SIZE size{kWidth, kHeight};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, dc.Get(), nullptr, &size, surface.Dc(), &origin, 0, &blend, ULW_ALPHA);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

int main() {
    OleInitialize(nullptr);
    kit::InitKit();
    HWND window = MakeSplashLikeWindow();
    kit::PngWindow png;
    png.Attach(window);
    PumpMessages();

    const std::size_t bytesCold = PrivateBytes();
    // One frame played on a scratch window first, so the one-time set-up of the PNG codec, GDI+
    // and GDI is not counted as growth from playing the frames.
    {
        HWND scratch = MakeSplashLikeWindow();
        BareDecodeAndPresent(scratch, assets::kSplashFrameCount);
        kit::ComposeWindowForHandOut(scratch).reset();
        DestroyWindow(scratch);
        PumpMessages();
    }
    const std::size_t bytesBefore = PrivateBytes();
    std::size_t bytesAfterFirst = 0, bytesAfterFirstRound = 0;
    std::vector<double> tickCosts, bareCosts;
    for (int round = 0; round < kRounds; ++round) {
        for (int frame = 1; frame <= assets::kSplashFrameCount; ++frame) {
            double start = NowMs();
            png.SetBackImageFromBytes(assets::SplashFrame(frame));
            tickCosts.push_back(NowMs() - start);
            if (round == 0 && frame == 1) bytesAfterFirst = PrivateBytes();
            start = NowMs();
            BareDecodeAndPresent(window, frame);
            bareCosts.push_back(NowMs() - start);
            PumpMessages();
        }
        if (round == 0) bytesAfterFirstRound = PrivateBytes();
    }
    const std::size_t bytesAfter = PrivateBytes();

    // The real pace: a 50 ms window timer driving one frame per tick, as the splash does.
    std::vector<double> tickTimes;
    int frame = 0;
    SetTimer(window, 1, 50, nullptr);
    MSG message;
    while (frame < assets::kSplashFrameCount && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window && message.wParam == 1) {
            tickTimes.push_back(NowMs());
            png.SetBackImageFromBytes(assets::SplashFrame(++frame));
        } else {
            DispatchMessageW(&message);
        }
    }
    KillTimer(window, 1);
    std::vector<double> intervals;
    for (std::size_t i = 1; i < tickTimes.size(); ++i) intervals.push_back(tickTimes[i] - tickTimes[i - 1]);
    const double mean = std::accumulate(intervals.begin(), intervals.end(), 0.0) / intervals.size();
    double variance = 0;
    for (double interval : intervals) variance += (interval - mean) * (interval - mean);
    const double spread = std::sqrt(variance / intervals.size());

    const double tick = Median(tickCosts), bare = Median(bareCosts);
    const double decodedFrame = kWidth * kHeight * 4.0;
    std::printf("splash frames: %d, rounds: %d\n", assets::kSplashFrameCount, kRounds);
    std::printf("median tick (decode, compose, present): %.2f ms\n", tick);
    std::printf("median bare decode + UpdateLayeredWindow: %.2f ms\n", bare);
    std::printf("ratio tick / bare: %.2f\n", tick / bare);
    std::printf("tick interval at 50 ms: mean %.1f ms, spread (std dev) %.1f ms over %zu intervals\n", mean, spread,
                intervals.size());
    std::printf("private bytes: before first frame %.1f KiB, after last frame %.1f KiB, growth %.1f KiB "
                "(one decoded frame: %.1f KiB)\n",
                bytesBefore / 1024.0, bytesAfter / 1024.0,
                (static_cast<double>(bytesAfter) - static_cast<double>(bytesBefore)) / 1024.0, decodedFrame / 1024.0);
    std::printf("private bytes: cold start %.1f KiB, after a warm-up frame on a scratch window %.1f KiB\n", bytesCold / 1024.0,
                bytesBefore / 1024.0);
    std::printf("private bytes: after the first frame %.1f KiB, after the first 35 frames %.1f KiB, after %d "
                "rounds %.1f KiB\n",
                bytesAfterFirst / 1024.0, bytesAfterFirstRound / 1024.0, kRounds, bytesAfter / 1024.0);
    // What holding one decoded frame costs with this GDI+: ten frames held at once.
    const std::size_t bytesBeforeHeld = PrivateBytes();
    {
        std::vector<std::unique_ptr<kit::LoadedImage>> held;
        for (int frame = 1; frame <= 10; ++frame) held.push_back(kit::LoadImageFromBytes(assets::SplashFrame(frame)));
        std::printf("one decoded frame held costs %.1f KiB of private bytes (mean of 10 held at once)\n",
                    (static_cast<double>(PrivateBytes()) - static_cast<double>(bytesBeforeHeld)) / 10.0 / 1024.0);
    }
    DestroyWindow(window);
    return 0;
}
