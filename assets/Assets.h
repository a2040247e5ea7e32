#pragma once
// The pictures the program carries inside itself, looked up by number.
#include <cstddef>
#include <span>

namespace tessellon::assets {

inline constexpr int kSplashFrameCount = 35;

// PNG bytes of splash frame 1..35; empty for any other number.
std::span<const std::byte> SplashFrame(int number);

// The calculator's button pictures (GIF bytes).
enum class ButtonPicture { Help, Contact, Clear, Calculate };
std::span<const std::byte> ButtonPictureBytes(ButtonPicture picture);

// The WAVE resource the picture buttons play when hovered and clicked.
int ClickSoundResource();

}  // namespace tessellon::assets
