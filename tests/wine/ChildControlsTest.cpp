// A kit window's marked child controls, in process: what the composition paints for them (read
// back through the hand-out form of ComposeWindow), how the button and edit-box procedures follow
// the controls, and hooking.
#include "pngkit/ChildProcedures.h"
#include "pngkit/ChildRules.h"
#include "pngkit/Composition.h"
#include "pngkit/FocusState.h"
#include "pngkit/PngWindow.h"
#include "pngkit/PropertyNames.h"
#include "pngkit/WindowProperties.h"
#include "tests/wine/KitTestSupport.h"
#include "winutil/ScopedHandles.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessellon::kit {
namespace {

using testing::InstalledFace;
using testing::MakeBitmap;
using testing::ReadPixels;
using testing::TestWindow;

constexpr std::uint32_t kClear = 0;
constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kGreen = 0xFF00FF00u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;
constexpr std::uint32_t kYellow = 0xFFFFFF00u;

ImagePtr SolidImage(int width, int height, std::uint32_t colour) {
    return MakeBitmap(width, height, [colour](int, int) { return colour; });
}

// A frameless kit window with room for children; composed pictures are read back pixel by pixel.
// The images are declared first so that they outlive the window and its children.
class KitChildren : public ::testing::Test {
protected:
    void SetUp() override {
        KitFocus() = {};
        ASSERT_TRUE(png.Attach(parent.Handle()));
    }
    void TearDown() override {
        if (IsWindow(parent.Handle())) DestroyWindow(parent.Handle());
        KitFocus() = {};
    }

    HWND AddChild(const wchar_t* className, int type, int x, int y, int width, int height, DWORD style = 0,
                  const wchar_t* text = L"") {
        HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                     parent.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(child, nullptr);
        if (type != 0) SetIntProperty(child, property::kType, type);
        return child;
    }

    GpImage* Keep(ImagePtr image) {
        images.push_back(std::move(image));
        return images.back().get();
    }

    void Compose() {
        ImagePtr picture = ComposeWindowForHandOut(parent.Handle());
        ASSERT_TRUE(picture);
        pixels = ReadPixels(picture.get(), width, height);
    }
    std::uint32_t At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x); }
    // How many pixels of the area are not the colour.
    int OtherThan(std::uint32_t colour, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += At(x, y) != colour;
        return count;
    }

    // Every presenting composition of the focus parent replaces the cached picture, so a changed
    // pointer shows that the window was recomposed (the new picture exists before the old goes).
    void WatchCompositions() { KitFocus().focusParent = parent.Handle(); }
    GpImage* LastComposition() const { return KitFocus().caretBaseImage.get(); }

    std::vector<ImagePtr> images;
    TestWindow parent{200, 120};
    PngWindow png;
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
};

// --- painting ----------------------------------------------------------------------------------

TEST_F(KitChildren, UnknownTypeIsVisitedButPaintsNothingAndIsNotHooked) {
    HWND unknown = AddChild(L"BUTTON", 5, 10, 10, 40, 40);
    SetPropW(unknown, property::kBackImage, Keep(SolidImage(40, 40, kRed)));
    SetPropW(unknown, property::kNormalImage, Keep(SolidImage(40, 40, kRed)));
    HWND picture = AddChild(L"STATIC", kChildPicture, 100, 10, 40, 40);
    SetPropW(picture, property::kBackImage, Keep(SolidImage(40, 40, kBlue)));
    HWND unmarked = AddChild(L"STATIC", 0, 150, 10, 40, 40);
    SetPropW(unmarked, property::kBackImage, Keep(SolidImage(40, 40, kRed)));
    const LONG_PTR ownProcedure = GetWindowLongPtrW(unknown, GWLP_WNDPROC);

    png.RehookChildren();
    Compose();
    EXPECT_EQ(OtherThan(kClear, 10, 10, 50, 50), 0) << "type 5 paints nothing";
    EXPECT_EQ(OtherThan(kBlue, 100, 10, 140, 50), 0) << "the children after it are still painted";
    EXPECT_EQ(OtherThan(kClear, 150, 10, 190, 50), 0) << "unmarked children are not painted";
    EXPECT_EQ(GetWindowLongPtrW(unknown, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(GetPropW(unknown, property::kChildWndProc), nullptr);
}

TEST_F(KitChildren, LaterChildrenInChildOrderPaintOverEarlierOnes) {
    HWND first = AddChild(L"STATIC", kChildPicture, 10, 10, 40, 40);
    HWND second = AddChild(L"STATIC", kChildPicture, 30, 10, 40, 40);
    SetPropW(first, property::kBackImage, Keep(SolidImage(40, 40, kRed)));
    SetPropW(second, property::kBackImage, Keep(SolidImage(40, 40, kBlue)));
    ASSERT_EQ(GetWindow(parent.Handle(), GW_CHILD), first);  // the first created is first in order
    Compose();
    EXPECT_EQ(At(20, 20), kRed);
    EXPECT_EQ(At(40, 20), kBlue);  // the overlap shows the child visited last
    EXPECT_EQ(At(60, 20), kBlue);
}

TEST_F(KitChildren, FittedPictureKeepsItsAspectAndIsCentred) {
    HWND picture = AddChild(L"STATIC", kChildPicture, 20, 10, 101, 50);
    SetIntProperty(picture, property::kBackType, kPlaceFitted);
    SetPropW(picture, property::kBackImage, Keep(SolidImage(300, 200, kBlue)));
    Compose();
    // 300 x 200 in 101 x 50: drawn 75 x 50 at offset (13, 0), so over x 33..107.
    EXPECT_EQ(OtherThan(kBlue, 33, 10, 108, 60), 0);
    EXPECT_EQ(OtherThan(kClear, 20, 10, 33, 60), 0);
    EXPECT_EQ(OtherThan(kClear, 108, 10, 121, 60), 0);
}

TEST_F(KitChildren, StretchedPictureCoversTheChild) {
    HWND picture = AddChild(L"STATIC", kChildPicture, 20, 10, 80, 30);
    SetIntProperty(picture, property::kBackType, kPlaceStretched);
    SetPropW(picture, property::kBackImage, Keep(SolidImage(7, 5, kGreen)));
    Compose();
    EXPECT_EQ(OtherThan(kGreen, 20, 10, 100, 40), 0);
    EXPECT_EQ(At(100, 20), kClear);
    EXPECT_EQ(At(50, 40), kClear);
}

// An edit box of 100 x 40 at (10, 10) with a blue border, a red picture at natural size and text.
class EditAtNaturalSize : public KitChildren {
protected:
    void SetUp() override {
        KitChildren::SetUp();
        edit = AddChild(L"EDIT", kChildEdit, 10, 10, 100, 40, 0, L"WWWW");
        font.Reset(CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, InstalledFace()));
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
        SetIntProperty(edit, property::kBorderColor, 0xFF0000);  // GDI colour: blue
        SetIntProperty(edit, property::kBorderAlpha, 255);
        SetIntProperty(edit, property::kTextColor, 0x00FF00);    // green
    }
    HWND edit = nullptr;
    ScopedGdiObject font;
};

TEST_F(EditAtNaturalSize, ImageOfTheBoxSizeIsDrawnWithBorderAndText) {
    SetPropW(edit, property::kBackImage, Keep(SolidImage(100, 40, kRed)));
    Compose();
    EXPECT_EQ(At(10, 30), kBlue);   // left edge
    EXPECT_EQ(At(109, 30), kBlue);  // right edge: the box's last column
    EXPECT_EQ(At(60, 10), kBlue);   // top
    EXPECT_EQ(At(60, 49), kBlue);   // bottom
    EXPECT_EQ(At(110, 30), kClear);  // nothing beyond the box
    EXPECT_EQ(At(60, 50), kClear);
    EXPECT_GT(OtherThan(kRed, 12, 12, 108, 48), 20) << "the text shows inside";
    EXPECT_EQ(OtherThan(kRed, 80, 12, 108, 48), 0) << "four letters do not reach the far end";
}

TEST_F(EditAtNaturalSize, ImageOneColumnWiderIsCutAndEndsThePainting) {
    SetPropW(edit, property::kBackImage, Keep(SolidImage(101, 40, kRed)));
    Compose();
    EXPECT_EQ(OtherThan(kRed, 10, 10, 110, 50), 0) << "neither border nor text";
    EXPECT_EQ(At(110, 30), kClear) << "cut to the box";
}

TEST_F(EditAtNaturalSize, LongTextStaysOnOneLineInsideTheBox) {
    SetPropW(edit, property::kBackImage, Keep(SolidImage(100, 40, kRed)));
    SetWindowTextW(edit, L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    Compose();
    EXPECT_GT(OtherThan(kRed, 90, 12, 108, 48), 0) << "the text reaches the far end";
    EXPECT_EQ(OtherThan(kRed, 11, 11, 109, 12), 0) << "no second line above";
    EXPECT_EQ(OtherThan(kRed, 11, 48, 109, 49), 0) << "nor below: cut at the layout rectangle";
    EXPECT_EQ(At(110, 30), kClear);
}

TEST_F(KitChildren, EditBoxWithoutColoursShowsNothingButBlackText) {
    HWND edit = AddChild(L"EDIT", kChildEdit, 10, 10, 100, 40, 0, L"WW");
    ScopedGdiObject font(CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, InstalledFace()));
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    Compose();
    // Background and border are colour 0 at alpha 0: invisible. The text is opaque black.
    EXPECT_EQ(At(10, 10), kClear);
    EXPECT_EQ(At(60, 49), kClear);
    int black = 0;
    for (int y = 12; y < 48; ++y)
        for (int x = 12; x < 108; ++x) black += At(x, y) == 0xFF000000u;
    EXPECT_GT(black, 10);

    SetWindowTextW(edit, L"");
    SetIntProperty(edit, property::kBackColor, 0x0000FF);  // red fill at half alpha
    SetIntProperty(edit, property::kBackAlpha, 128);
    SetIntProperty(edit, property::kBorderColor, -1);     // no border at all
    Compose();
    EXPECT_EQ(OtherThan(0x80FF0000u, 10, 10, 110, 50), 0) << "fill only: no border, no text";
}

TEST_F(KitChildren, EditBoxWithoutFontShowsNoText) {
    HWND edit = AddChild(L"EDIT", kChildEdit, 10, 10, 100, 40, 0, L"WWWW");
    ASSERT_EQ(SendMessageW(edit, WM_GETFONT, 0, 0), 0);
    SetPropW(edit, property::kBackImage, Keep(SolidImage(100, 40, kRed)));
    SetIntProperty(edit, property::kBorderColor, -1);
    Compose();
    EXPECT_EQ(OtherThan(kRed, 10, 10, 110, 50), 0);
}

// --- buttons ------------------------------------------------------------------------------------

// A hooked button of 40 x 30 at (10, 10): red when normal, blue pressed, green disabled, and no
// picture of its own for the mouse being over it.
class KitButton : public KitChildren {
protected:
    void SetUp() override {
        KitChildren::SetUp();
        button = AddChild(L"BUTTON", kChildButton, 10, 10, 40, 30, BS_PUSHBUTTON);
        SetPropW(button, property::kNormalImage, Keep(SolidImage(40, 30, kRed)));
        SetPropW(button, property::kDownImage, Keep(SolidImage(40, 30, kBlue)));
        SetPropW(button, property::kDisableImage, Keep(SolidImage(40, 30, kGreen)));
        png.RehookChildren();
        ASSERT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_WNDPROC)), &ButtonChildProc);
    }
    int State() const { return IntProperty(button, property::kDrawState); }
    std::uint32_t Shown() {
        Compose();
        return At(30, 25);
    }
    // Whether the system will tell the button when the mouse leaves it.
    bool LeaveIsTracked() const {
        TRACKMOUSEEVENT query{};
        query.cbSize = sizeof(query);
        query.dwFlags = TME_QUERY;
        TrackMouseEvent(&query);
        return query.hwndTrack == button && (query.dwFlags & TME_LEAVE) != 0;
    }
    void StopTrackingLeave() const {
        TRACKMOUSEEVENT cancel{sizeof(cancel), TME_CANCEL | TME_LEAVE, button, 0};
        TrackMouseEvent(&cancel);
    }
    HWND button = nullptr;
};

TEST_F(KitButton, HoverWithoutOverPictureShowsTheNormalOne) {
    EXPECT_EQ(Shown(), kRed);
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(State(), kButtonOver);
    EXPECT_EQ(Shown(), kRed);
    SetPropW(button, property::kOverImage, Keep(SolidImage(40, 30, kYellow)));
    EXPECT_EQ(Shown(), kYellow);
}

TEST_F(KitButton, DisablingShowsTheDisabledPictureAndEnablingTheNormalOne) {
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EnableWindow(button, FALSE);
    EXPECT_EQ(State(), kButtonDisabled);
    EXPECT_EQ(Shown(), kGreen);
    EnableWindow(button, TRUE);
    EXPECT_EQ(State(), kButtonNormal);
    EXPECT_EQ(Shown(), kRed);
}

TEST_F(KitButton, PressAndReleaseEndsOverTheButton) {
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(State(), kButtonPressed);
    EXPECT_EQ(Shown(), kBlue);
    EXPECT_EQ(GetCapture(), button) << "the button itself handled the press too";
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(State(), kButtonOver);
    EXPECT_EQ(Shown(), kRed);
    EXPECT_NE(GetCapture(), button);

    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // released again while over
    EXPECT_EQ(State(), kButtonNormal);
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // and while normal
    EXPECT_EQ(State(), kButtonNormal);
}

TEST_F(KitButton, MovingWithinDoesNotRecomposeAndReenteringAsksForANewLeaveNotice) {
    // Leave tracking needs the button on screen with the cursor over it.
    SetWindowLongPtrW(parent.Handle(), GWL_EXSTYLE, 0);
    ShowWindow(parent.Handle(), SW_SHOWNOACTIVATE);
    POINT centre{20, 15};
    ClientToScreen(button, &centre);
    SetCursorPos(centre.x, centre.y);
    ASSERT_EQ(WindowFromPoint(centre), button);
    StopTrackingLeave();
    ASSERT_FALSE(LeaveIsTracked());

    WatchCompositions();
    GpImage* before = LastComposition();
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
    GpImage* entered = LastComposition();
    EXPECT_NE(entered, before) << "entering recomposes";
    EXPECT_TRUE(LeaveIsTracked()) << "and asks to be told of the leave";

    StopTrackingLeave();
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(21, 16));
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(30, 9));
    EXPECT_EQ(LastComposition(), entered) << "moving within does not recompose";
    EXPECT_FALSE(LeaveIsTracked()) << "nor ask again";

    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), kButtonNormal);
    GpImage* left = LastComposition();
    EXPECT_NE(left, entered);
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(20, 15));
    EXPECT_EQ(State(), kButtonOver);
    EXPECT_TRUE(LeaveIsTracked()) << "re-entering asks anew";
    EXPECT_NE(LastComposition(), left);
    StopTrackingLeave();
}

TEST_F(KitButton, RecomposesEvenWhenTheStateStaysTheSame) {
    WatchCompositions();
    ASSERT_EQ(State(), kButtonNormal);
    GpImage* before = LastComposition();
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(State(), kButtonNormal);
    EXPECT_NE(LastComposition(), before);
}

// The button's own procedure, standing in for the control: notes the drawn state it finds.
int stateSeenByOwnProcedure = -1;
LRESULT CALLBACK NotingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) stateSeenByOwnProcedure = IntProperty(window, property::kDrawState);
    if (message == WM_APP) return 1234;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(KitChildren, ButtonStateChangesBeforeTheControlSeesTheMessage) {
    HWND button = AddChild(L"STATIC", kChildButton, 10, 10, 40, 30);
    SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NotingProcedure));
    png.RehookChildren();
    ASSERT_EQ(ProcedureProperty(button, property::kChildWndProc), &NotingProcedure);
    stateSeenByOwnProcedure = -1;
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(stateSeenByOwnProcedure, kButtonPressed);
    EXPECT_EQ(SendMessageW(button, WM_APP, 0, 0), 1234) << "every message reaches it, with its result";
}

// --- edit boxes ---------------------------------------------------------------------------------

class KitEdit : public EditAtNaturalSize {
protected:
    void SetUp() override {
        EditAtNaturalSize::SetUp();
        SetPropW(edit, property::kBackImage, Keep(SolidImage(100, 40, kRed)));
        SetWindowTextW(edit, L"");
        png.RehookChildren();
        ASSERT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_WNDPROC)), &EditChildProc);
    }
    // Text pixels in the last picture presented for the focus parent.
    int TextPixelsInLastComposition() {
        GpImage* last = KitFocus().caretBaseImage.get();
        if (!last) return -1;
        pixels = ReadPixels(last, width, height);
        return OtherThan(kRed, 12, 12, 108, 48);
    }
};

TEST_F(KitEdit, TypingRecomposesAfterTheBoxHasTheNewText) {
    WatchCompositions();
    SendMessageW(edit, WM_CHAR, L'W', 1);
    ASSERT_EQ(GetWindowTextLengthW(edit), 1);
    const int oneLetter = TextPixelsInLastComposition();
    EXPECT_GT(oneLetter, 0) << "the picture made for this message already shows the letter";
    SendMessageW(edit, WM_CHAR, L'W', 1);
    EXPECT_GT(TextPixelsInLastComposition(), oneLetter);

    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    EXPECT_EQ(TextPixelsInLastComposition(), 0);
}

TEST_F(KitEdit, OnlyTheListedMessagesRecompose) {
    WatchCompositions();
    struct Case { UINT message; WPARAM wParam; bool recomposes; };
    const Case cases[] = {
        {WM_KEYDOWN, VK_END, true},
        {WM_LBUTTONUP, 0, true},
        {WM_CUT, 0, true},
        {WM_PASTE, 0, true},
        {WM_IME_CHAR, L'x', true},
        {WM_KEYUP, VK_END, false},
        {WM_MOUSEMOVE, 0, false},
        {WM_CLEAR, 0, false},
        {WM_USER + 77, 0, false},
    };
    for (const Case& c : cases) {
        GpImage* before = LastComposition();
        SendMessageW(edit, c.message, c.wParam, 0);
        EXPECT_EQ(LastComposition() != before, c.recomposes) << std::hex << c.message;
    }
    ReleaseCapture();
}

TEST_F(KitEdit, FocusGainRestartsTheBlinkAndTheFirstTickDrawsTheCaretLine) {
    SetWindowTextW(edit, L"WW");
    KitFocus().caretShown = 1;
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    FocusState& focus = KitFocus();
    EXPECT_EQ(focus.focusParent, parent.Handle());
    EXPECT_EQ(focus.focusEdit, edit);
    EXPECT_EQ(focus.caretShown, 0);
    ASSERT_TRUE(focus.caretBaseImage) << "the picture composed on focus gain is kept for the blink";

    CaretTimerProc(parent.Handle(), WM_TIMER, kCaretTimerId, 0);
    EXPECT_EQ(focus.caretShown, 1) << "first tick: the line shows";

    // What that tick put on the window: the kept picture with the caret line over it.
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    ScopedWindowDc dc(parent.Handle(), GetWindowDC(parent.Handle()));
    PresentationSurface surface(dc.Get(), 200, 120);
    surface.Draw(focus.caretBaseImage.get(), parent.Handle(), focus.caretShown == 1);
    const int lineX = 10 + caret.x + 5;
    const int lineTop = 10 + (40 - 12) / 2;
    for (int y = lineTop + 1; y < lineTop + 12; ++y) EXPECT_EQ(surface.PixelAt(lineX, y), 0xFF000000u) << y;
    EXPECT_NE(surface.PixelAt(lineX, lineTop + 14), 0xFF000000u);

    SetFocus(nullptr);
    EXPECT_EQ(focus.focusParent, nullptr);
    EXPECT_EQ(focus.focusEdit, nullptr);
    const int shown = focus.caretShown;
    CaretTimerProc(parent.Handle(), WM_TIMER, kCaretTimerId, 0);
    EXPECT_EQ(focus.caretShown, shown) << "without a focused kit edit box ticks do nothing";
}

// --- hooking ------------------------------------------------------------------------------------

LRESULT CALLBACK ReinstatedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(KitChildren, HookingIsOneWayAndKeepsTheControlsOwnProcedure) {
    HWND button = AddChild(L"BUTTON", kChildButton, 10, 10, 40, 30);
    HWND edit = AddChild(L"EDIT", kChildEdit, 60, 10, 40, 30);
    HWND picture = AddChild(L"STATIC", kChildPicture, 110, 10, 40, 30);
    const LONG_PTR buttonOwn = GetWindowLongPtrW(button, GWLP_WNDPROC);
    const LONG_PTR editOwn = GetWindowLongPtrW(edit, GWLP_WNDPROC);
    const LONG_PTR pictureOwn = GetWindowLongPtrW(picture, GWLP_WNDPROC);

    png.RehookChildren();
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_WNDPROC)), &ButtonChildProc);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_WNDPROC)), &EditChildProc);
    EXPECT_EQ(GetWindowLongPtrW(picture, GWLP_WNDPROC), pictureOwn) << "pictures have no procedure";
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropW(button, property::kChildWndProc)), buttonOwn);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropW(edit, property::kChildWndProc)), editOwn);

    png.RehookChildren();  // a second time changes nothing
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropW(button, property::kChildWndProc)), buttonOwn);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_WNDPROC)), &ButtonChildProc);
}

TEST_F(KitChildren, RehookingReinstatesALeftProcedureAndNeverHooksTwice) {
    // Hooked before: it carries its saved procedure, and a procedure to reinstate.
    HWND hooked = AddChild(L"BUTTON", kChildButton, 10, 10, 40, 30);
    png.RehookChildren();
    const WNDPROC saved = ProcedureProperty(hooked, property::kChildWndProc);
    SetProcedureProperty(hooked, property::kWndProcToReinstate, &ReinstatedProcedure);
    // Never hooked, with a procedure to reinstate: reinstated, then hooked in front of it.
    HWND fresh = AddChild(L"EDIT", kChildEdit, 60, 10, 40, 30);
    SetProcedureProperty(fresh, property::kWndProcToReinstate, &ReinstatedProcedure);

    png.RehookChildren();
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hooked, GWLP_WNDPROC)), &ReinstatedProcedure);
    EXPECT_EQ(GetPropW(hooked, property::kWndProcToReinstate), nullptr);
    EXPECT_EQ(ProcedureProperty(hooked, property::kChildWndProc), saved) << "not hooked again";

    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(fresh, GWLP_WNDPROC)), &EditChildProc);
    EXPECT_EQ(ProcedureProperty(fresh, property::kChildWndProc), &ReinstatedProcedure);
    EXPECT_EQ(GetPropW(fresh, property::kWndProcToReinstate), nullptr);
}

TEST_F(KitChildren, AKitProcedureIsNeverSavedAsTheChildsOwn) {
    HWND button = AddChild(L"BUTTON", kChildButton, 10, 10, 40, 30);
    SetProcedureProperty(button, property::kWndProcToReinstate, &ButtonChildProc);
    png.RehookChildren();
    EXPECT_EQ(GetPropW(button, property::kChildWndProc), nullptr);
    // A message still goes somewhere that answers rather than round in circles.
    EXPECT_EQ(SendMessageW(button, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(KitChildren, RehookingRecomposesAndAnInvalidWindowDoesNothing) {
    WatchCompositions();
    GpImage* before = LastComposition();
    png.RehookChildren();
    EXPECT_NE(LastComposition(), before);
    PngWindow unattached;
    unattached.RehookChildren();  // no window: returns quietly
}

}  // namespace
}  // namespace tessellon::kit
