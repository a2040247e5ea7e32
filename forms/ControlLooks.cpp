#include "forms/ControlLooks.h"

namespace tessellon::forms {
namespace {

int Channel(Colour colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

// Straight blend from a to b; t runs from 0 to span.
int Blend(int a, int b, int t, int span) { return span <= 0 ? a : a + (b - a) * t / span; }

}  // namespace

Colour GradientRowColour(int row, int height, Colour edge) {
    if (height <= 1) return edge;
    const int last = height - 1;
    const int middle = last / 2;
    // Top half runs edge -> white, bottom half white -> edge.
    const bool upper = row <= middle;
    const int t = upper ? row : row - middle;
    const int span = upper ? middle : last - middle;
    auto mix = [&](int shift) {
        const int e = Channel(edge, shift);
        return upper ? Blend(e, 255, t, span) : Blend(255, e, t, span);
    };
    return MakeColour(mix(0), mix(8), mix(16));
}

ButtonColours PictureButtonColours(Colour ownText, bool hovered, bool pressed, bool focused) {
    if (hovered || pressed) return {kBlack, kWhite};
    if (focused) return {kBlack, kFocusGrey};
    return {ownText, kWhite};
}

ButtonLayout PictureButtonLayout(int width, int height, bool pressed) {
    const int shift = pressed ? 1 : 0;
    const int pictureLeft = 3 + shift;
    const int pictureTop = (height - kButtonPictureSize) / 2 + shift;
    ButtonLayout layout;
    layout.picture = {pictureLeft, pictureTop, pictureLeft + kButtonPictureSize, pictureTop + kButtonPictureSize};
    layout.text = {layout.picture.right, shift, width + shift, height + shift};
    return layout;
}

}  // namespace tessellon::forms

namespace tessellon::forms {

void PreparePicturePixels(std::uint32_t* pixels, std::size_t count, bool greyed) {
    if (count == 0) return;
    const std::uint32_t key = pixels[0];
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t p = pixels[i];
        if (p == key) {
            pixels[i] = 0;
            continue;
        }
        std::uint32_t alpha = p >> 24, red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
        if (greyed) {
            // Luminance, lifted halfway to white.
            const std::uint32_t grey = (red * 299 + green * 587 + blue * 114) / 1000;
            red = green = blue = (grey + 255) / 2;
        }
        red = red * alpha / 255;
        green = green * alpha / 255;
        blue = blue * alpha / 255;
        pixels[i] = (alpha << 24) | (red << 16) | (green << 8) | blue;
    }
}

}  // namespace tessellon::forms
