// Measures what the click sound costs the window: a picture button's hover cycle (pointer in,
// redraw, pointer out, redraw) with and without its sound, and starting the sound by itself.
#include "assets/Assets.h"
#include "benchmarks/BenchClock.h"
#include "forms/Form.h"
#include "forms/FormRuntime.h"
#include "pngkit/KitInit.h"

#include <windows.h>
#include <mmsystem.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessellon;

namespace {

constexpr int kRounds = 200;

using bench::NowMs;

struct Summary {
    double median, worst;
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

// Lets queued input and paint messages run, so each round starts from a quiet window.
void Drain() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

Summary HoverCycle(int soundResource) {
    forms::FormDefinition definition;
    definition.className = soundResource ? L"ButtonBenchWithSound" : L"ButtonBenchSilent";
    definition.title = L"bench";
    definition.outerWidth = 200;
    definition.outerHeight = 120;
    forms::PictureButtonDefinition button;
    button.place = {L"button", 100, L"", 10, 10, 80, 32};
    button.text = L"GO!GO!";
    button.picture = assets::ButtonPictureBytes(assets::ButtonPicture::Calculate);
    button.clickSoundResource = soundResource;
    definition.controls = {button};
    forms::Form* form = forms::LoadForm(definition);
    if (!form) return {0, 0};
    HWND handle = form->ControlHandle(L"button");
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        Drain();
        const double start = NowMs();
        SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(40, 16));
        UpdateWindow(handle);
        SendMessageW(handle, WM_MOUSELEAVE, 0, 0);
        UpdateWindow(handle);
        times.push_back(NowMs() - start);
    }
    DestroyWindow(form->Handle());
    return Summarise(times);
}

Summary SoundStart() {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const double start = NowMs();
        PlaySoundW(MAKEINTRESOURCEW(assets::ClickSoundResource()), GetModuleHandleW(nullptr),
                   SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
        times.push_back(NowMs() - start);
        Sleep(1);
    }
    PlaySoundW(nullptr, nullptr, 0);
    return Summarise(times);
}

}  // namespace

int main() {
    OleInitialize(nullptr);
    kit::InitKit();
    const Summary silent = HoverCycle(0);
    const Summary withSound = HoverCycle(assets::ClickSoundResource());
    const Summary start = SoundStart();
    std::printf("picture button hover cycle (%d rounds): median %.3f ms, worst %.3f ms without sound; "
                "median %.3f ms, worst %.3f ms with its click sound\n",
                kRounds, silent.median, silent.worst, withSound.median, withSound.worst);
    std::printf("starting the click sound (asynchronous): median %.3f ms, worst %.3f ms\n", start.median, start.worst);
    return 0;
}
