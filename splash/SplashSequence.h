#pragma once
// What one tick of the splash timer does: show the next frame, or, once all frames have been
// shown, finish. Pure, so it is tested natively.

namespace tessellon::splash {

inline constexpr int kFrameCount = 35;

struct SplashStep {
    enum class Kind { Nothing, ShowFrame, Finish };
    Kind kind = Kind::Nothing;
    int frame = 0;
};

// Advances the tick counter. Ticks 1..35 show frames 1..35; the tick after the last frame finishes
// the sequence and resets the counter to 0.
SplashStep AdvanceSplash(int& tickCounter);

}  // namespace tessellon::splash
