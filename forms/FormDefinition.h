#pragma once
// A window described as data: its frame, size, look and timers, with its events as plain callback
// fields. The runtime builds the real window from it.
#include "forms/ControlDefinition.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tessellon::forms {

class Form;

enum class FrameKind {
    None,         // no border, no title bar
    FixedDialog,  // thin dialog frame with a title bar, system menu and close box only
};

struct TimerDefinition {
    std::wstring name;
    UINT periodMs = 0;  // 0: not running
    std::function<void(Form&)> onTick;
};

struct FormDefinition {
    std::wstring className;
    std::wstring title;
    int outerWidth = 0;
    int outerHeight = 0;
    FrameKind frame = FrameKind::FixedDialog;
    bool visible = true;
    bool centred = true;
    // Background: a system colour index, or, when it is negative, the fixed colour below.
    int backgroundSystemColour = COLOR_BTNFACE;
    COLORREF backgroundColour = RGB(255, 255, 255);
    std::vector<TimerDefinition> timers;
    // Created in this order, containers before what they hold.
    std::vector<ControlDefinition> controls;

    // Raised once the window exists, before it is first shown.
    std::function<void(Form&)> onCreated;
    // Asked on every close request; false cancels the close.
    std::function<bool(Form&)> onCanClose;
};

}  // namespace tessellon::forms
