#pragma once
// A standard edit box with its own colours and, when its definition asks, a filter on typed
// characters and a tidy-up of its text when it loses the focus.
#include "forms/ControlDefinition.h"
#include "forms/controls/SubclassedControl.h"
#include "winutil/ScopedHandles.h"

namespace tessellon::forms {

class EditBox final : public SubclassedControl {
public:
    EditBox(const EditBoxDefinition& definition, HWND parent, int id);

    std::optional<HBRUSH> OnControlColour(HDC dc) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void TidyText();
    void FitFormattingRectToLines();
    void PaintDisabled(HDC dc);

    Colour textColour_;
    Colour background_;
    HBRUSH backgroundBrush_ = nullptr;  // a system colour brush, or ownBrush_
    ScopedGdiObject ownBrush_;
    std::function<bool(unsigned)> acceptsCharacter_;
    std::function<std::wstring(const std::wstring&)> tidyOnFocusLoss_;
    bool multiLine_;
    bool border_;
};

}  // namespace tessellon::forms
