#pragma once
// Controls described as data, one struct of settings per kind, each with defaults. A form creates
// them in the order they are listed, so a container comes before what it holds.
#include "forms/ControlLooks.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tessellon::forms {

class Form;

enum class TextAlignment { Left, Centre };

// Where a control goes: relative to its container, the window's client area when it names none.
struct ControlPlacement {
    std::wstring name;
    int id = 0;  // the child window id, unique in the window
    std::wstring container;
    int x = 0, y = 0, width = 0, height = 0;
};

// A frame with a coloured caption set into its top edge; holds other controls.
struct GroupBoxDefinition {
    ControlPlacement place;
    std::wstring caption;
    Colour captionColour = kBlack;
    TextAlignment captionAlignment = TextAlignment::Left;
};

// A bordered label on a vertical edge-white-edge gradient, its text white-highlighted black.
struct GradientLabelDefinition {
    ControlPlacement place;
    std::wstring text;
    Colour gradientColour = kWhite;
};

struct EditBoxDefinition {
    ControlPlacement place;
    std::wstring text;
    bool enabled = true;
    bool border = true;             // a thin one-pixel line
    bool multiLine = false;         // multi-line boxes wrap words and have no scroll bars
    Colour textColour = kBlack;
    int backgroundSystemColour = -1;  // a system colour index; when negative, the colour below
    Colour background = kWhite;
    TextAlignment alignment = TextAlignment::Left;
    // Typed characters (WM_CHAR codes) this returns false for are refused.
    std::function<bool(unsigned)> acceptsCharacter;
    // Given the text when the box loses the focus, returns the text it should show instead.
    std::function<std::wstring(const std::wstring&)> tidyOnFocusLoss;
};

// An owner-drawn push button showing a 32 x 32 picture (any format GDI+ reads; its top-left
// pixel's colour is transparent) and a text, with hover colours and a click sound.
struct PictureButtonDefinition {
    ControlPlacement place;
    std::wstring text;
    Colour textColour = kBlack;
    std::span<const std::byte> picture;
    int clickSoundResource = 0;  // a WAVE resource of the program; 0 for silence
    std::function<void(Form&)> onClick;
};

struct StatusPane {
    int rightEdge = -1;  // -1: runs to the right end
    std::wstring text;
};

// Docked along the bottom of the client area, sunken panes, no size grip.
struct StatusBarDefinition {
    std::wstring name;
    int id = 0;
    std::vector<StatusPane> panes;
};

using ControlDefinition = std::variant<GroupBoxDefinition, GradientLabelDefinition, EditBoxDefinition,
                                       PictureButtonDefinition, StatusBarDefinition>;

}  // namespace tessellon::forms
