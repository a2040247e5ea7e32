#include "calculator/CalculatorWindow.h"

#include "assets/Assets.h"
#include "calculator/CalculatorCommands.h"
#include "calculator/CalculatorControls.h"
#include "calculator/CalculatorTexts.h"
#include "calculator/GbkText.h"
#include "calculator/IntegerInputRule.h"
#include "forms/Form.h"
#include "startup/Program.h"

namespace tessellon::calculator {
namespace {

using forms::MakeColour;
using forms::TextAlignment;

constexpr forms::Colour kGreen = MakeColour(0, 128, 0);
constexpr forms::Colour kRed = MakeColour(255, 0, 0);
constexpr forms::Colour kBlue = MakeColour(0, 0, 255);
constexpr forms::Colour kTeal = MakeColour(0, 128, 128);
constexpr forms::Colour kMagenta = MakeColour(255, 0, 255);

forms::ControlPlacement Place(const wchar_t* name, int id, const wchar_t* container, int x, int y, int width,
                              int height) {
    return {name, id, container ? container : L"", x, y, width, height};
}

forms::GroupBoxDefinition Group(forms::ControlPlacement place, const wchar_t* caption, forms::Colour colour,
                                TextAlignment alignment = TextAlignment::Left) {
    return {std::move(place), caption, colour, alignment};
}

forms::GradientLabelDefinition Label(forms::ControlPlacement place, const wchar_t* text, forms::Colour colour) {
    return {std::move(place), text, colour};
}

// The six number boxes: integers only, tidied when the focus leaves. The rule reads the text as
// the calculation will, in GBK.
forms::EditBoxDefinition NumberBox(forms::ControlPlacement place, bool enabled, forms::Colour textColour) {
    forms::EditBoxDefinition box;
    box.place = std::move(place);
    box.enabled = enabled;
    box.textColour = textColour;
    box.backgroundSystemColour = COLOR_BTNFACE;
    box.alignment = TextAlignment::Centre;
    box.acceptsCharacter = AcceptsTypedCharacter;
    box.tidyOnFocusLoss = [](const std::wstring& text) { return FromGbk(NormaliseIntegerText(ToGbk(text))); };
    return box;
}

forms::PictureButtonDefinition Button(forms::ControlPlacement place, const wchar_t* text, forms::Colour colour,
                                      assets::ButtonPicture picture, void (*onClick)(forms::Form&)) {
    forms::PictureButtonDefinition button;
    button.place = std::move(place);
    button.text = text;
    button.textColour = colour;
    button.picture = assets::ButtonPictureBytes(picture);
    button.clickSoundResource = assets::ClickSoundResource();
    button.onClick = onClick;
    return button;
}

std::vector<forms::ControlDefinition> CalculatorControls() {
    using namespace names;
    forms::EditBoxDefinition tipBox;
    tipBox.place = Place(kTipBox, kTipBoxId, kTipGroup, 5, 13, 310, 25);
    tipBox.text = texts::kInitialTip;
    tipBox.enabled = false;
    tipBox.border = false;
    tipBox.multiLine = true;
    tipBox.textColour = kTeal;
    tipBox.background = MakeColour(255, 255, 255);
    tipBox.alignment = TextAlignment::Centre;

    forms::StatusBarDefinition statusBar{kStatusBar, kStatusBarId,
        {{45, texts::kVersionLabel}, {90, texts::kVersion}, {135, texts::kMakerLabel}, {180, texts::kMaker},
         {240, texts::kContactNumberLabel}, {-1, texts::kContactNumber}}};

    return {
        Group(Place(kSourceGroup, kSourceGroupId, nullptr, 2, 6, 208, 96), L"原始图像", kGreen),
        Label(Place(kWidthCaption, kWidthCaptionId, kSourceGroup, 8, 20, 80, 24), L"原始图像宽度", kGreen),
        NumberBox(Place(kSourceWidth, kSourceWidthId, kSourceGroup, 96, 20, 100, 24), true, forms::kBlack),
        Label(Place(kHeightCaption, kHeightCaptionId, kSourceGroup, 8, 56, 80, 24), L"原始图像高度", kGreen),
        NumberBox(Place(kSourceHeight, kSourceHeightId, kSourceGroup, 96, 57, 100, 24), true, forms::kBlack),

        Group(Place(kAdjustedGroup, kAdjustedGroupId, nullptr, 2, 110, 208, 96), L"调整图像", kRed),
        Label(Place(kAdjustedWidthCaption, kAdjustedWidthCaptionId, kAdjustedGroup, 8, 20, 80, 24), L"调整图像宽度", kRed),
        NumberBox(Place(kAdjustedWidth, kAdjustedWidthId, kAdjustedGroup, 96, 20, 52, 24), false, kRed),
        NumberBox(Place(kTilesAcross, kTilesAcrossId, kAdjustedGroup, 151, 20, 50, 24), false, kRed),
        Label(Place(kAdjustedHeightCaption, kAdjustedHeightCaptionId, kAdjustedGroup, 8, 56, 80, 24), L"调整图像高度", kRed),
        NumberBox(Place(kAdjustedHeight, kAdjustedHeightId, kAdjustedGroup, 96, 57, 52, 24), false, kRed),
        NumberBox(Place(kTilesDown, kTilesDownId, kAdjustedGroup, 151, 57, 50, 24), false, kRed),

        Group(Place(kCommandGroup, kCommandGroupId, nullptr, 216, 6, 103, 200), L"操作区域", kBlue, TextAlignment::Centre),
        Button(Place(kHelpButton, kHelpButtonId, kCommandGroup, 11, 21, 80, 32), L"？帮助", kGreen,
               assets::ButtonPicture::Help, OnHelpClicked),
        Button(Place(kContactButton, kContactButtonId, kCommandGroup, 11, 67, 80, 32), L"联系我", kBlue,
               assets::ButtonPicture::Contact, OnContactClicked),
        Button(Place(kClearButton, kClearButtonId, kCommandGroup, 11, 113, 80, 32), L"橡皮擦", kMagenta,
               assets::ButtonPicture::Clear, OnClearClicked),
        Button(Place(kCalculateButton, kCalculateButtonId, kCommandGroup, 11, 159, 80, 32), L"GO!GO!", kRed,
               assets::ButtonPicture::Calculate, OnCalculateClicked),

        Group(Place(kTipGroup, kTipGroupId, nullptr, 0, 208, 319, 43), texts::kTipCaption, kTeal),
        tipBox,
        statusBar,
    };
}

}  // namespace

forms::FormDefinition MakeCalculatorDefinition() {
    forms::FormDefinition definition;
    definition.className = kClassName;
    definition.title = kTitle;
    definition.outerWidth = kCalculatorWidth;
    definition.outerHeight = kCalculatorHeight;
    definition.frame = forms::FrameKind::FixedDialog;
    definition.backgroundSystemColour = -1;
    definition.backgroundColour = RGB(255, 255, 255);
    definition.controls = CalculatorControls();
    // Closing the calculator ends the program.
    definition.onCanClose = [](forms::Form&) -> bool { EndProgram(0); };
    return definition;
}

}  // namespace tessellon::calculator
