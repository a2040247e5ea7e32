#include "splash/SplashWindow.h"

#include "assets/Assets.h"
#include "forms/Form.h"
#include "splash/SplashSequence.h"

#include <memory>

namespace tessellon::splash {
namespace {

void TrimWorkingSet() {
    // Both limits at "all ones" asks the system to page out as much of the process as it can,
    // giving back the memory the decoded frames took.
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

}  // namespace

forms::FormDefinition MakeSplashDefinition(kit::PngWindow& pngWindow, std::function<void()> finished) {
    forms::FormDefinition definition;
    definition.className = kClassName;
    definition.outerWidth = kSplashWidth;
    definition.outerHeight = kSplashHeight;
    definition.frame = forms::FrameKind::None;
    definition.backgroundSystemColour = COLOR_BTNFACE;  // never seen once the window is layered

    definition.onCreated = [&pngWindow](forms::Form& form) { pngWindow.Attach(form.Handle()); };

    auto tickCounter = std::make_shared<int>(0);
    definition.timers.push_back({kTimerName, kFramePeriodMs,
        [&pngWindow, tickCounter, finished = std::move(finished)](forms::Form& form) {
            const SplashStep step = AdvanceSplash(*tickCounter);
            switch (step.kind) {
                case SplashStep::Kind::ShowFrame:
                    pngWindow.SetBackImageFromBytes(assets::SplashFrame(step.frame));
                    break;
                case SplashStep::Kind::Finish:
                    // The timer stops first: the next window runs its own message loop inside
                    // this tick, and no further tick may arrive meanwhile.
                    form.SetTimerPeriod(kTimerName, 0);
                    form.Hide();
                    TrimWorkingSet();
                    if (finished) finished();
                    break;
                case SplashStep::Kind::Nothing:
                    break;
            }
        }});
    return definition;
}

}  // namespace tessellon::splash
