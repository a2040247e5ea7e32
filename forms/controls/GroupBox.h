#pragma once
// A frame with a coloured caption set into its top edge, on white. It holds controls of its own
// and passes their notifications up to the form, which routes them back to the control concerned.
#include "forms/ControlDefinition.h"
#include "forms/controls/CustomControlWindow.h"

namespace tessellon::forms {

class GroupBox final : public CustomControlWindow {
public:
    GroupBox(const GroupBoxDefinition& definition, HWND parent, int id);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

    Colour captionColour_;
    TextAlignment alignment_;
};

}  // namespace tessellon::forms
