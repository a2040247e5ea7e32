#include "splash/SplashSequence.h"

#include <gtest/gtest.h>

namespace tessellon::splash {
namespace {

TEST(AdvanceSplash, ShowsEachFrameOnceThenFinishesAndResets) {
    int counter = 0;
    for (int tick = 1; tick <= 35; ++tick) {
        const SplashStep step = AdvanceSplash(counter);
        ASSERT_EQ(step.kind, SplashStep::Kind::ShowFrame) << "tick " << tick;
        EXPECT_EQ(step.frame, tick);
    }
    EXPECT_EQ(AdvanceSplash(counter).kind, SplashStep::Kind::Finish);  // tick 36 shows nothing
    EXPECT_EQ(counter, 0);
    // A fresh start after the reset plays from frame 1 again.
    EXPECT_EQ(AdvanceSplash(counter).frame, 1);
}

TEST(AdvanceSplash, CounterBelowOneDoesNothing) {
    int counter = -5;
    EXPECT_EQ(AdvanceSplash(counter).kind, SplashStep::Kind::Nothing);
    EXPECT_EQ(counter, -4);
}

}  // namespace
}  // namespace tessellon::splash
