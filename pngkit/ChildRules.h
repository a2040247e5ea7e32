#pragma once
// The pure rules behind the kit's child controls: how a child's picture is placed, where an edit
// box's text goes, how a button's drawn state follows the mouse and which edit-box messages change
// the picture. Free of <windows.h>, so they build and are tested natively as well.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tessellon::kit {

// "PngControl_Type": what the kit paints for a child. Other nonzero values are visited by the
// composition but paint nothing and are not hooked.
inline constexpr int kChildPicture = 2;
inline constexpr int kChildButton = 3;
inline constexpr int kChildEdit = 4;

// "PngControl_BackType": how a child's image is placed. Any other value: natural size.
inline constexpr int kPlaceStretched = 1;
inline constexpr int kPlaceFitted = 2;

// "Nimbar_DrawState" of a button.
inline constexpr int kButtonNormal = 0;
inline constexpr int kButtonOver = 1;
inline constexpr int kButtonPressed = 2;
inline constexpr int kButtonDisabled = 3;

// Message numbers the child procedures react to, as the platform defines them.
inline constexpr unsigned kWmSetFocus = 0x0007;
inline constexpr unsigned kWmKillFocus = 0x0008;
inline constexpr unsigned kWmEnable = 0x000A;
inline constexpr unsigned kWmSetText = 0x000C;
inline constexpr unsigned kWmKeyDown = 0x0100;
inline constexpr unsigned kWmChar = 0x0102;
inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmLButtonDown = 0x0201;
inline constexpr unsigned kWmLButtonUp = 0x0202;
inline constexpr unsigned kWmImeChar = 0x0286;
inline constexpr unsigned kWmMouseLeave = 0x02A3;
inline constexpr unsigned kWmCut = 0x0300;
inline constexpr unsigned kWmPaste = 0x0302;

struct FittedSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const FittedSize&, const FittedSize&) = default;
};

// Shrinks (never enlarges) an image size to fit the box, keeping its aspect ratio. Computed in
// double precision and truncated toward zero. Box sizes below zero count as zero.
FittedSize FitSize(int width, int height, int boxWidth, int boxHeight);

// Where a child's image goes, relative to the child's top-left corner.
struct ImagePlacement {
    // True: the image is larger than the child at natural size. Only its top-left part, at its own
    // scale and cut to the child (width x height here), is drawn, and the child's painting ends.
    bool cutAndStop = false;
    float offsetX = 0, offsetY = 0;
    float width = 0, height = 0;  // drawn size (for a cut: the part of the image shown)
};

ImagePlacement PlaceChildImage(int backType, float imageWidth, float imageHeight, int childWidth, int childHeight);

// The one-pixel border of an edit box, as a pen rectangle lying on the child's edge pixels.
struct BorderRect {
    int x = 0, y = 0, width = 0, height = 0;
};
BorderRect EditBorderRect(int childLeft, int childTop, int childWidth, int childHeight);

// Where an edit box's text is drawn: 2 pixels in from each edge, on one line.
struct TextLayout {
    float x = 0, y = 0, width = 0, height = 0;
    int length = 0;  // UTF-16 units drawn, without a terminator
};
// Nothing when there is no text or no room for it inside the box.
std::optional<TextLayout> EditTextLayout(int childLeft, int childTop, int childWidth, int childHeight,
                                         std::size_t textUnits);

// What a message does to a kit button's drawn state. When setsState, the state is stored and the
// parent recomposed, even when the value stays the same; the message then goes to the button.
struct ButtonReaction {
    bool setsState = false;
    int state = kButtonNormal;
    bool requestsLeave = false;  // ask to be told when the mouse leaves, before the state changes
    friend bool operator==(const ButtonReaction&, const ButtonReaction&) = default;
};
ButtonReaction ButtonReactionTo(unsigned message, std::uintptr_t wParam, int currentState);

// Which picture property a button state shows; nullptr for states without one of their own.
// (Whatever this gives, an absent picture falls back to the normal picture.)
const wchar_t* StateImagePropertyName(int state);

// What an edit box's kit procedure does with a message. For the recomposing kinds the edit box
// handles the message first, so the new picture shows the new text.
enum class EditReaction {
    PassOn,                   // to the edit box only
    PassOnThenRecompose,      // text, keys, clicks, cut and paste
    TakeFocusThenRecompose,   // becomes the focused kit edit box (blink restarts), then as above
    LeaveFocusThenRecompose,  // no kit edit box has the focus any more, then as above
};
EditReaction EditReactionTo(unsigned message);

}  // namespace tessellon::kit
