#pragma once
// The pictures the program carries inside itself, looked up by number.
#include <cstddef>
#include <span>

namespace tessellon::assets {

inline constexpr int kSplashFrameCount = 35;

// PNG bytes of splash frame 1..35; empty for any other number.
std::span<const std::byte> SplashFrame(int number);

}  // namespace tessellon::assets
