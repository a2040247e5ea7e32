#include "pngkit/ChildRules.h"
#include "pngkit/PropertyNames.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace tessellon::kit {
namespace {

struct FitCase {
    int width, height, boxWidth, boxHeight;
    FittedSize fitted;
};

class FitSizeCases : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitSizeCases, ShrinksKeepingTheAspectRatioAndNeverEnlarges) {
    const FitCase c = GetParam();
    const FittedSize fitted = FitSize(c.width, c.height, c.boxWidth, c.boxHeight);
    EXPECT_EQ(fitted.width, c.fitted.width);
    EXPECT_EQ(fitted.height, c.fitted.height);
}

INSTANTIATE_TEST_SUITE_P(Cases, FitSizeCases, ::testing::Values(
    FitCase{200, 100, 100, 100, {100, 50}},   // too wide
    FitCase{100, 200, 100, 100, {50, 100}},   // too tall
    FitCase{50, 40, 100, 100, {50, 40}},      // fits: left alone, not enlarged
    FitCase{300, 200, 100, 50, {75, 50}},     // (100, 66) after the width, then the height
    FitCase{300, 200, 101, 50, {75, 50}},     // 67.33 -> 67, then 75.37 -> 75
    FitCase{100, 40, 100, 40, {100, 40}},     // exact fit
    FitCase{7, 3, 2, 100, {2, 0}},            // 0.857 truncates to 0
    FitCase{40000, 30000, 60000, 1, {1, 1}},  // products beyond 32 bits stay exact
    FitCase{10, 10, -5, -5, {0, 0}},          // a negative box counts as empty
    FitCase{0, 0, 0, 0, {0, 0}}));

struct PlacementCase {
    const char* name;
    int backType;
    float imageWidth, imageHeight;
    int childWidth, childHeight;
    ImagePlacement expected;
};

class PlaceChildImageCases : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlaceChildImageCases, ChoosesModeAndRectangle) {
    const PlacementCase c = GetParam();
    const ImagePlacement p = PlaceChildImage(c.backType, c.imageWidth, c.imageHeight, c.childWidth, c.childHeight);
    EXPECT_EQ(p.cutAndStop, c.expected.cutAndStop) << c.name;
    EXPECT_FLOAT_EQ(p.offsetX, c.expected.offsetX) << c.name;
    EXPECT_FLOAT_EQ(p.offsetY, c.expected.offsetY) << c.name;
    EXPECT_FLOAT_EQ(p.width, c.expected.width) << c.name;
    EXPECT_FLOAT_EQ(p.height, c.expected.height) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaceChildImageCases, ::testing::Values(
    PlacementCase{"stretched up", 1, 10, 10, 80, 30, {false, 0, 0, 80, 30}},
    PlacementCase{"stretched down", 1, 500, 500, 80, 30, {false, 0, 0, 80, 30}},
    PlacementCase{"fitted and centred", 2, 300, 200, 101, 50, {false, 13, 0, 75, 50}},
    PlacementCase{"fitted, odd space truncates", 2, 10, 10, 15, 16, {false, 2, 3, 10, 10}},
    PlacementCase{"fitted, tall", 2, 100, 200, 100, 100, {false, 25, 0, 50, 100}},
    PlacementCase{"fitted, fractional size truncated first", 2, 30.9f, 20.9f, 100, 100, {false, 35, 40, 30, 20}},
    PlacementCase{"natural, exact size", 0, 100, 40, 100, 40, {false, 0, 0, 100, 40}},
    PlacementCase{"natural, smaller", 0, 30, 20, 100, 40, {false, 0, 0, 30, 20}},
    PlacementCase{"natural, one column too wide", 0, 101, 40, 100, 40, {true, 0, 0, 100, 40}},
    PlacementCase{"natural, one row too tall", 0, 100, 41, 100, 40, {true, 0, 0, 100, 40}},
    PlacementCase{"natural, within tolerance", 0, 100.00000001f, 40, 100, 40, {false, 0, 0, 100, 40}},
    PlacementCase{"natural, cut never reaches past the image", 7, 50, 60, 100, 40, {true, 0, 0, 50, 40}},
    PlacementCase{"any other type is natural", -1, 30, 20, 100, 40, {false, 0, 0, 30, 20}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name) if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(EditBorderRect, LiesOnTheChildsOutermostPixels) {
    const BorderRect border = EditBorderRect(10, 20, 100, 40);
    EXPECT_EQ(border.x, 10);
    EXPECT_EQ(border.y, 20);
    EXPECT_EQ(border.x + border.width, 10 + 100 - 1);   // the right line is the child's last column
    EXPECT_EQ(border.y + border.height, 20 + 40 - 1);
}

TEST(EditTextLayout, TwoPixelsInFromEachEdge) {
    const auto layout = EditTextLayout(10, 20, 100, 40, 5);
    ASSERT_TRUE(layout);
    EXPECT_FLOAT_EQ(layout->x, 12);
    EXPECT_FLOAT_EQ(layout->y, 22);
    EXPECT_FLOAT_EQ(layout->width, 96);
    EXPECT_FLOAT_EQ(layout->height, 36);
    EXPECT_EQ(layout->length, 5);
}

TEST(EditTextLayout, NothingWithoutTextOrRoom) {
    EXPECT_FALSE(EditTextLayout(0, 0, 100, 40, 0));  // empty text
    EXPECT_FALSE(EditTextLayout(0, 0, 4, 40, 3));    // no width left inside the insets
    EXPECT_FALSE(EditTextLayout(0, 0, 100, 4, 3));
    EXPECT_FALSE(EditTextLayout(0, 0, 0, 0, 3));
    EXPECT_TRUE(EditTextLayout(0, 0, 5, 5, 1));      // one pixel is room
}

struct ButtonCase {
    const char* name;
    unsigned message;
    std::uintptr_t wParam;
    int state;
    ButtonReaction reaction;
};

class ButtonStateTable : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonStateTable, GivesTheNewStateAndLeaveRequest) {
    const ButtonCase c = GetParam();
    const ButtonReaction r = ButtonReactionTo(c.message, c.wParam, c.state);
    EXPECT_EQ(r.setsState, c.reaction.setsState) << c.name;
    if (c.reaction.setsState) {
        EXPECT_EQ(r.state, c.reaction.state) << c.name;
    }
    EXPECT_EQ(r.requestsLeave, c.reaction.requestsLeave) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonStateTable, ::testing::Values(
    ButtonCase{"enter from normal", kWmMouseMove, 0, kButtonNormal, {true, kButtonOver, true}},
    ButtonCase{"enter while disabled", kWmMouseMove, 0, kButtonDisabled, {true, kButtonOver, true}},
    ButtonCase{"move while over", kWmMouseMove, 0, kButtonOver, {false, 0, false}},
    ButtonCase{"move while pressed", kWmMouseMove, 0, kButtonPressed, {false, 0, false}},
    ButtonCase{"leave", kWmMouseLeave, 0, kButtonOver, {true, kButtonNormal, false}},
    ButtonCase{"leave when already normal", kWmMouseLeave, 0, kButtonNormal, {true, kButtonNormal, false}},
    ButtonCase{"press", kWmLButtonDown, 0, kButtonOver, {true, kButtonPressed, false}},
    ButtonCase{"release after press", kWmLButtonUp, 0, kButtonPressed, {true, kButtonOver, false}},
    ButtonCase{"release while over", kWmLButtonUp, 0, kButtonOver, {true, kButtonNormal, false}},
    ButtonCase{"release while normal", kWmLButtonUp, 0, kButtonNormal, {true, kButtonNormal, false}},
    ButtonCase{"disabled", kWmEnable, 0, kButtonOver, {true, kButtonDisabled, false}},
    ButtonCase{"enabled", kWmEnable, 1, kButtonDisabled, {true, kButtonNormal, false}},
    ButtonCase{"enabled with any nonzero flag", kWmEnable, 0x100, kButtonDisabled, {true, kButtonNormal, false}},
    ButtonCase{"other message", kWmSetText, 0, kButtonOver, {false, 0, false}},
    ButtonCase{"key press", kWmKeyDown, 0, kButtonNormal, {false, 0, false}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name) if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(StateImagePropertyName, EachStateHasItsOwnPictureExceptNormal) {
    EXPECT_EQ(StateImagePropertyName(kButtonNormal), nullptr);
    EXPECT_EQ(std::wstring_view(StateImagePropertyName(kButtonOver)), L"PngControl_OverlImage");
    EXPECT_EQ(std::wstring_view(StateImagePropertyName(kButtonPressed)), L"PngControl_DownImage");
    EXPECT_EQ(std::wstring_view(StateImagePropertyName(kButtonDisabled)), L"PngControl_DisableImage");
    EXPECT_EQ(StateImagePropertyName(4), nullptr);
    EXPECT_EQ(StateImagePropertyName(-1), nullptr);
}

TEST(EditReactionTo, RecomposesAfterTextKeysClicksAndFocusChanges) {
    struct Case { unsigned message; EditReaction reaction; };
    const Case cases[] = {
        {kWmChar, EditReaction::PassOnThenRecompose},
        {kWmImeChar, EditReaction::PassOnThenRecompose},
        {kWmSetText, EditReaction::PassOnThenRecompose},
        {kWmCut, EditReaction::PassOnThenRecompose},
        {kWmPaste, EditReaction::PassOnThenRecompose},
        {kWmKeyDown, EditReaction::PassOnThenRecompose},
        {kWmLButtonUp, EditReaction::PassOnThenRecompose},
        {kWmSetFocus, EditReaction::TakeFocusThenRecompose},
        {kWmKillFocus, EditReaction::LeaveFocusThenRecompose},
        // Not in the list: the picture is left as it is.
        {kWmLButtonDown, EditReaction::PassOn},
        {kWmMouseMove, EditReaction::PassOn},
        {0x0101 /* key up */, EditReaction::PassOn},
        {0x0303 /* clear */, EditReaction::PassOn},
        {0x0304 /* undo */, EditReaction::PassOn},
        {0x000F /* paint */, EditReaction::PassOn},
    };
    for (const Case& c : cases) EXPECT_EQ(c.reaction, EditReactionTo(c.message)) << std::hex << c.message;
}

}  // namespace
}  // namespace tessellon::kit
