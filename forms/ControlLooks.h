#pragma once
// The geometry and colour choices of the drawn controls, kept free of <windows.h> so they are
// tested natively. Colours are GDI values: red in the lowest byte.
#include <cstddef>
#include <cstdint>

namespace tessellon::forms {

using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}
inline constexpr Colour kWhite = MakeColour(255, 255, 255);
inline constexpr Colour kBlack = MakeColour(0, 0, 0);
inline constexpr Colour kFocusGrey = MakeColour(240, 240, 240);

// A vertical three-stop gradient: the colour at the top and bottom rows, white in the middle.
Colour GradientRowColour(int row, int height, Colour edge);

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

// Text and background of a picture button in its states: its own text colour on white when idle,
// black on white while hovered or pressed, black on light grey when focused and not hovered.
struct ButtonColours {
    Colour text;
    Colour background;
    friend bool operator==(const ButtonColours&, const ButtonColours&) = default;
};
ButtonColours PictureButtonColours(Colour ownText, bool hovered, bool pressed, bool focused);

// Where a picture button's picture and text go: the picture 3 pixels from the left, centred
// vertically; the text in what is left to the right of it. Pressed, both move one pixel right and
// down.
struct ButtonLayout {
    Box picture;
    Box text;
};
inline constexpr int kButtonPictureSize = 32;
ButtonLayout PictureButtonLayout(int width, int height, bool pressed);

// The dotted focus rectangle sits this far inside the button's edge.
inline constexpr int kFocusInset = 3;

}  // namespace tessellon::forms

namespace tessellon::forms {

// A picture's pixels (ARGB, row by row) made ready for drawing: every pixel of the top-left
// pixel's colour becomes fully transparent, and the rest is premultiplied by its alpha, as
// per-pixel-alpha blending wants it. greyed gives the washed-out grey of a disabled control.
void PreparePicturePixels(std::uint32_t* pixels, std::size_t count, bool greyed);

}  // namespace tessellon::forms
