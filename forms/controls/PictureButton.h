#pragma once
// An owner-drawn push button with a 32 x 32 picture left of its text. It tracks the pointer to
// show its hovered colours, and plays its click sound on hover and on click.
#include "forms/ControlDefinition.h"
#include "forms/controls/SubclassedControl.h"
#include "winutil/ScopedHandles.h"

namespace tessellon::forms {

class PictureButton final : public SubclassedControl {
public:
    PictureButton(const PictureButtonDefinition& definition, Form& form, HWND parent, int id);

    void OnCommand(WORD code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(WPARAM keys);
    void OnMouseLeave();
    void PlayClickSound() const;
    void DrawPicture(HDC dc, int x, int y, bool disabled) const;

    Form& form_;
    Colour textColour_;
    int clickSoundResource_;
    std::function<void(Form&)> onClick_;
    bool hovered_ = false;
    // The picture ready for blending (premultiplied, key colour cleared), and its greyed twin.
    ScopedGdiObject picture_;
    ScopedGdiObject greyedPicture_;
};

}  // namespace tessellon::forms
