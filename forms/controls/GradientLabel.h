#pragma once
// A label on a vertical gradient (its colour, white, its colour) inside a thin border, its text
// centred on one line in black with a white highlight above and to the left.
#include "forms/ControlDefinition.h"
#include "forms/controls/CustomControlWindow.h"

namespace tessellon::forms {

class GradientLabel final : public CustomControlWindow {
public:
    GradientLabel(const GradientLabelDefinition& definition, HWND parent, int id);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

    Colour gradientColour_;
};

}  // namespace tessellon::forms
