#pragma once
// Where a centred window goes. Pure arithmetic, tested natively.

namespace tessellon::forms {

struct Origin {
    int left = 0;
    int top = 0;
};

// Centred on a screen of the given size; the division truncates toward zero, also when the window
// is larger than the screen.
constexpr Origin CentredOrigin(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

}  // namespace tessellon::forms
