#pragma once
// Which kit edit box has the keyboard focus, and the cached picture of its window that the caret
// blink re-presents without recomposing.
#include "pngkit/GdiplusFlat.h"

namespace tessellon::kit {

struct FocusState {
    HWND focusParent = nullptr;
    HWND focusEdit = nullptr;
    ImagePtr caretBaseImage;  // the last composition presented for focusParent
    int caretShown = 0;       // blink phase: 1 = the caret line is drawn
};

FocusState& KitFocus();

}  // namespace tessellon::kit
