// The framework's drawn controls, in process: a picture button's looks in each state, an edit
// box's character filter and focus-loss tidy-up, and notifications passed up through a group box.
#include "assets/Assets.h"
#include "forms/Form.h"
#include "forms/FormRuntime.h"
#include "winutil/ScopedHandles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tessellon::forms {
namespace {

constexpr Colour kGreen = MakeColour(0, 128, 0);
constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr int kButtonWidth = 80, kButtonHeight = 32;

// A picture of a window's client area as it paints itself into a given DC, pixel (x, y) as a GDI
// colour.
class Snapshot {
public:
    Snapshot(HWND window, int width, int height) : width_(width), height_(height), pixels_(width * height) {
        ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
        void* bits = nullptr;
        ScopedGdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        ScopedSelectObject selected(dc.Get(), bitmap.Get());
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        GdiFlush();
        const auto* source = static_cast<const std::uint32_t*>(bits);
        for (int i = 0; source && i < width * height; ++i) {
            const std::uint32_t p = source[i];  // 0x00RRGGBB
            pixels_[i] = MakeColour((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
    }
    Colour At(int x, int y) const { return pixels_[y * width_ + x]; }
    int Count(Colour colour) const {
        int count = 0;
        for (Colour p : pixels_) count += p == colour;
        return count;
    }
    // The leftmost and rightmost column holding a pixel that looks like it, or -1.
    template <typename Predicate>
    std::pair<int, int> Columns(Predicate looksLike) const {
        int first = -1, last = -1;
        for (int i = 0; i < width_ * height_; ++i) {
            const Colour p = pixels_[i];
            if (!looksLike(p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF)) continue;
            const int x = i % width_;
            if (first < 0 || x < first) first = x;
            last = std::max(last, x);
        }
        return {first, last};
    }
    // Text is smoothed, so few of its pixels have exactly the text's colour: these count pixels
    // by what they look like.
    int CountGreenish() const {
        return CountWhere([](int r, int g, int b) { return g > r + 40 && g > b + 40; });
    }
    int CountOrange() const {
        return CountWhere([](int r, int g, int b) { return r > g + 40 && g > b + 20; });
    }
    int CountNear(Colour colour) const {
        const int cr = colour & 0xFF, cg = (colour >> 8) & 0xFF, cb = (colour >> 16) & 0xFF;
        return CountWhere([&](int r, int g, int b) {
            return std::abs(r - cr) < 24 && std::abs(g - cg) < 24 && std::abs(b - cb) < 24;
        });
    }
    int CountDark() const {
        return CountWhere([](int r, int g, int b) { return r < 90 && g < 90 && b < 90; });
    }

private:
    template <typename Predicate>
    int CountWhere(Predicate looksLike) const {
        int count = 0;
        for (Colour p : pixels_) count += looksLike(p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF);
        return count;
    }

    int width_, height_;
    std::vector<Colour> pixels_;
};

class FormControls : public ::testing::Test {
protected:
    void SetUp() override {
        definition_.className = L"TessellonControlsTest";
        definition_.title = L"controls";
        definition_.outerWidth = 300;
        definition_.outerHeight = 200;
        definition_.backgroundSystemColour = -1;

        PictureButtonDefinition button;
        button.place = {L"button", 201, L"", 10, 10, kButtonWidth, kButtonHeight};
        button.text = L"帮助";
        button.textColour = kGreen;
        button.picture = assets::ButtonPictureBytes(assets::ButtonPicture::Help);
        button.onClick = [this](Form&) { ++clicks_; };

        EditBoxDefinition edit;
        edit.place = {L"edit", 202, L"", 10, 60, 100, 24};
        edit.acceptsCharacter = [](unsigned code) { return code < 32 || (code >= '0' && code <= '9') || code == '-'; };
        edit.tidyOnFocusLoss = [](const std::wstring& text) { return text.substr(0, text.find(L'-', 1)); };

        GroupBoxDefinition group{{L"group", 203, L"", 120, 40, 160, 100}, L"组", kRed};
        PictureButtonDefinition inner = button;
        inner.place = {L"inner", 204, L"group", 10, 20, kButtonWidth, kButtonHeight};
        inner.onClick = [this](Form&) { ++innerClicks_; };

        GroupBoxDefinition centred{{L"centred", 205, L"", 10, 100, 100, 60}, L"中", kGreen, TextAlignment::Centre};
        GradientLabelDefinition label{{L"label", 206, L"", 10, 170, 80, 24}, L"标签", kRed};

        EditBoxDefinition shown;
        shown.place = {L"shown", 207, L"", 120, 150, 60, 24};
        shown.text = L"1008";
        shown.enabled = false;
        shown.textColour = kRed;
        shown.backgroundSystemColour = COLOR_BTNFACE;
        shown.alignment = TextAlignment::Centre;

        definition_.controls = {button, edit, group, inner, centred, label, shown};
        form_ = LoadForm(definition_);
        ASSERT_NE(form_, nullptr);
        button_ = form_->ControlHandle(L"button");
        edit_ = form_->ControlHandle(L"edit");
        ASSERT_NE(button_, nullptr);
        ASSERT_NE(edit_, nullptr);
    }
    void TearDown() override {
        if (form_) DestroyWindow(form_->Handle());
    }

    Snapshot Button() const { return Snapshot(button_, kButtonWidth, kButtonHeight); }

    FormDefinition definition_;
    Form* form_ = nullptr;
    HWND button_ = nullptr;
    HWND edit_ = nullptr;
    int clicks_ = 0;
    int innerClicks_ = 0;
};

TEST_F(FormControls, PictureButtonShowsItsOwnColourWhenIdleAndBlackWhenHovered) {
    SetFocus(edit_);
    const Snapshot idle = Button();
    EXPECT_GT(idle.CountGreenish(), 10) << "idle text in the button's own colour";
    EXPECT_EQ(idle.At(kButtonWidth - 8, 4), kWhite) << "on white";
    EXPECT_EQ(idle.Count(MakeColour(255, 0, 255)), 0) << "the picture's key colour is never drawn";

    SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(40, 16));
    const Snapshot hovered = Button();
    EXPECT_EQ(hovered.CountGreenish(), 0);
    EXPECT_GT(hovered.CountDark(), idle.CountDark() + 10) << "hovered text is black";
    EXPECT_EQ(hovered.At(kButtonWidth - 8, 4), kWhite);

    SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
    EXPECT_GT(Button().CountGreenish(), 10) << "leaving brings the own colour back";
}

TEST_F(FormControls, PictureButtonDoesNotTakeHoverWhileTheLeftButtonIsHeld) {
    SetFocus(edit_);
    SendMessageW(button_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 16));
    EXPECT_GT(Button().CountGreenish(), 10);
}

TEST_F(FormControls, FocusedButtonIsBlackOnLightGreyInsideABlackFrame) {
    SetFocus(button_);
    const Snapshot focused = Button();
    EXPECT_EQ(focused.At(0, 0), kBlack);
    EXPECT_EQ(focused.At(kButtonWidth - 1, kButtonHeight - 1), kBlack);
    EXPECT_EQ(focused.At(kButtonWidth - 8, 5), kFocusGrey);
    EXPECT_EQ(focused.CountGreenish(), 0);
}

TEST_F(FormControls, PressedButtonShiftsPictureAndTextByOnePixelInAShadowFrame) {
    SetFocus(edit_);
    SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(40, 16));  // a press comes with the pointer over it
    const Snapshot up = Button();
    SendMessageW(button_, BM_SETSTATE, TRUE, 0);
    const Snapshot down = Button();
    SendMessageW(button_, BM_SETSTATE, FALSE, 0);

    EXPECT_EQ(down.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
    int compared = 0;
    for (int y = 4; y < 28; ++y)
        for (int x = 4; x < kButtonWidth - 4; ++x) {
            EXPECT_EQ(down.At(x + 1, y + 1), up.At(x, y)) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 0);
}

TEST_F(FormControls, DisabledButtonIsGreyAndEmbossed) {
    EnableWindow(button_, FALSE);
    const Snapshot disabled = Button();
    EXPECT_EQ(disabled.CountGreenish(), 0) << "no text in its own colour";
    EXPECT_EQ(disabled.CountOrange(), 0) << "the picture is greyed";
    EXPECT_GT(disabled.CountNear(GetSysColor(COLOR_GRAYTEXT)), 10) << "grey text";
    EnableWindow(button_, TRUE);
    EXPECT_GT(Button().CountOrange(), 10) << "enabled again, the picture has its colours";
}

TEST_F(FormControls, GroupCaptionsTakeTheirColourAndAlignment) {
    auto reddish = [](int r, int g, int b) { return r > g + 60 && r > b + 60; };
    auto greenish = [](int r, int g, int b) { return g > r + 40 && g > b + 40; };
    const Snapshot left(form_->ControlHandle(L"group"), 160, 100);
    const auto [leftFirst, leftLast] = left.Columns(reddish);
    EXPECT_GE(leftFirst, 6);
    EXPECT_LE(leftFirst, 14) << "a left caption starts near the frame's left end";
    EXPECT_NE(left.At(80, 98), kWhite) << "etched frame along the bottom";

    const Snapshot centred(form_->ControlHandle(L"centred"), 100, 60);
    const auto [first, last] = centred.Columns(greenish);
    ASSERT_GE(first, 0) << "no caption in its colour";
    EXPECT_NEAR((first + last) / 2.0, 50.0, 3.0) << "a centred caption sits in the middle";
    EXPECT_EQ(centred.At(50, 40), kWhite) << "white inside";
}

TEST_F(FormControls, GradientLabelRunsColourWhiteColourWithHighlightedBlackText) {
    const Snapshot label(form_->ControlHandle(L"label"), 80, 24);
    EXPECT_EQ(label.At(0, 0), kBlack) << "thin border";
    EXPECT_EQ(label.At(79, 23), kBlack);
    EXPECT_EQ(label.At(2, 1), GradientRowColour(1, 24, kRed));
    EXPECT_EQ(label.At(2, 11), kWhite) << "white in the middle";
    EXPECT_EQ(label.At(2, 22), GradientRowColour(22, 24, kRed));
    EXPECT_GT(label.CountDark(), 10) << "black text";
    // Where the gradient is clearly red, only the text's white copy can be bright.
    int highlight = 0;
    for (int y = 1; y < 23; ++y) {
        if (((GradientRowColour(y, 24, kRed) >> 8) & 0xFF) > 180) continue;
        for (int x = 1; x < 79; ++x) {
            const Colour p = label.At(x, y);
            highlight += (p & 0xFF) > 225 && ((p >> 8) & 0xFF) > 225 && ((p >> 16) & 0xFF) > 225;
        }
    }
    EXPECT_GT(highlight, 3) << "white highlight";
}

TEST_F(FormControls, DisplayOnlyBoxKeepsItsTextColourOnItsBackground) {
    HWND shown = form_->ControlHandle(L"shown");
    EXPECT_FALSE(IsWindowEnabled(shown));
    EXPECT_EQ(GetWindowLongPtrW(shown, GWL_STYLE) & WS_TABSTOP, 0) << "not a Tab stop";
    const Snapshot box(shown, 60, 24);
    const auto reddish = [](int r, int g, int b) { return r > g + 60 && r > b + 60; };
    const auto [first, last] = box.Columns(reddish);
    ASSERT_GE(first, 0) << "no red text";
    EXPECT_NEAR((first + last) / 2.0, 30.0, 3.0) << "centred";
    EXPECT_EQ(box.Count(GetSysColor(COLOR_GRAYTEXT)), 0) << "not the system's grey";
    EXPECT_EQ(box.At(30, 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(FormControls, ClicksReachTheirHandlersAlsoFromInsideAGroupBox) {
    SendMessageW(button_, BM_CLICK, 0, 0);
    SendMessageW(form_->ControlHandle(L"inner"), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(innerClicks_, 1);
}

TEST_F(FormControls, AQuickSecondPressIsASecondClick) {
    // What the system delivers for two quick presses: the second arrives as a double click.
    const LPARAM at = MAKELPARAM(40, 16);
    for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SendMessageW(button_, press, MK_LBUTTON, at);
        SendMessageW(button_, WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(clicks_, 2);
}

TEST_F(FormControls, EditBoxRefusesFilteredCharactersAndLetsControlCharactersPass) {
    SetFocus(edit_);
    for (wchar_t c : std::wstring(L"1a. 2中")) SendMessageW(edit_, WM_CHAR, c, 1);
    EXPECT_EQ(form_->ControlText(L"edit"), L"12");
    SendMessageW(edit_, WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(form_->ControlText(L"edit"), L"1");
}

TEST_F(FormControls, FocusLossTidiesTheTextAndPutsTheCaretWhereTheSelectionStarted) {
    form_->SetControlText(L"edit", L"12-3");
    SetFocus(edit_);
    SendMessageW(edit_, EM_SETSEL, 1, 3);
    SetFocus(button_);
    EXPECT_EQ(form_->ControlText(L"edit"), L"12");
    DWORD start = 99, end = 99;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 1u);
}

TEST_F(FormControls, FocusLossLeavesATidyTextAndItsSelectionAlone) {
    form_->SetControlText(L"edit", L"123");
    SetFocus(edit_);
    SendMessageW(edit_, EM_SETSEL, 0, 2);
    SetFocus(button_);
    DWORD start = 99, end = 99;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(form_->ControlText(L"edit"), L"123");
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u);
}

}  // namespace
}  // namespace tessellon::forms
