#include "splash/SplashSequence.h"

namespace tessellon::splash {

SplashStep AdvanceSplash(int& tickCounter) {
    ++tickCounter;
    if (tickCounter >= 1 && tickCounter <= kFrameCount) return {SplashStep::Kind::ShowFrame, tickCounter};
    if (tickCounter > kFrameCount) {
        tickCounter = 0;
        return {SplashStep::Kind::Finish, 0};
    }
    return {};
}

}  // namespace tessellon::splash
