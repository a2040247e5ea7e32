// The layered window object and its composition, in process, with the composed picture read back
// through the hand-out form of ComposeWindow.
#include "assets/Assets.h"
#include "pngkit/Composition.h"
#include "pngkit/FocusState.h"
#include "pngkit/ImageLoading.h"
#include "pngkit/PngWindow.h"
#include "pngkit/PropertyNames.h"
#include "tests/wine/KitTestSupport.h"

#include <gtest/gtest.h>

namespace tessellon::kit {
namespace {

using testing::MakeBitmap;
using testing::ReadPixels;
using testing::TestWindow;

constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;

TEST(PngWindowAttach, NonWindowIsRefusedAndTheObjectKeepsItsWindow) {
    TestWindow window(50, 50);
    PngWindow png;
    ASSERT_TRUE(png.Attach(window.Handle()));
    EXPECT_FALSE(png.Attach(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234567))));
    EXPECT_EQ(png.Handle(), window.Handle());
    EXPECT_FALSE(PngWindow().Attach(nullptr));
}

TEST(PngWindowAttach, ExtendedStyleBecomesExactlyLayeredAndTheCaretTimerRuns) {
    TestWindow window(50, 50, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    PngWindow png;
    ASSERT_TRUE(png.Attach(window.Handle()));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE)) & ~WS_EX_TOPMOST,
              static_cast<DWORD>(WS_EX_LAYERED));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(GetPropW(window.Handle(), property::kTime)), kCaretTimerId);
    EXPECT_TRUE(KillTimer(window.Handle(), kCaretTimerId));  // the timer exists
}

TEST(PngWindowAttach, WindowWhoseTimerAlreadyRunsGetsNoSecondTimer) {
    TestWindow window(50, 50);
    SetPropW(window.Handle(), property::kTime, reinterpret_cast<HANDLE>(kCaretTimerId));
    PngWindow png;
    EXPECT_TRUE(png.Attach(window.Handle()));
    EXPECT_FALSE(KillTimer(window.Handle(), kCaretTimerId));  // Attach started none
}

TEST(PngWindowBackImage, NoImageIsRefusedAndTheOldOneStays) {
    TestWindow window(40, 40);
    PngWindow png;
    ASSERT_TRUE(png.Attach(window.Handle()));
    ImagePtr image = MakeBitmap(4, 4, [](int, int) { return kRed; });
    ASSERT_TRUE(png.SetBackImage(image.get()));
    EXPECT_FALSE(png.SetBackImage(nullptr));
    EXPECT_EQ(GetPropW(window.Handle(), property::kBackImage), image.get());
    EXPECT_FALSE(PngWindow().SetBackImage(image.get()));  // not attached
}

TEST(PngWindowComposition, SmallImageIsStretchedOverTheWholeWindow) {
    TestWindow window(200, 100);
    PngWindow png;
    ASSERT_TRUE(png.Attach(window.Handle()));
    // Left half red, right half blue, 100 x 50: drawn twice as large.
    ImagePtr image = MakeBitmap(100, 50, [](int x, int) { return x < 50 ? kRed : kBlue; });
    ASSERT_TRUE(png.SetBackImage(image.get()));

    ImagePtr composed = ComposeWindowForHandOut(window.Handle());
    ASSERT_TRUE(composed);
    int width = 0, height = 0;
    const auto pixels = ReadPixels(composed.get(), width, height);
    ASSERT_EQ(width, 200);
    ASSERT_EQ(height, 100);
    EXPECT_EQ(pixels[10 * 200 + 10], kRed);
    EXPECT_EQ(pixels[90 * 200 + 90], kRed);    // red reaches far past the image's own 50 columns
    EXPECT_EQ(pixels[50 * 200 + 110], kBlue);
    EXPECT_EQ(pixels[95 * 200 + 195], kBlue);  // and blue the far corner
    for (std::uint32_t pixel : pixels) EXPECT_EQ(pixel >> 24, 0xFFu) << "the whole window is covered";
}

TEST(PngWindowComposition, WindowWithoutBackImageIsFullyTransparent) {
    TestWindow window(30, 20);
    ImagePtr composed = ComposeWindowForHandOut(window.Handle());
    int width = 0, height = 0;
    const auto pixels = ReadPixels(composed.get(), width, height);
    ASSERT_EQ(pixels.size(), 600u);
    for (std::uint32_t pixel : pixels) EXPECT_EQ(pixel, 0u);
}

TEST(PngWindowComposition, SplashFrameShowsPixelForPixel) {
    TestWindow window(495, 331);
    PngWindow png;
    ASSERT_TRUE(png.Attach(window.Handle()));
    auto frame = LoadImageFromBytes(assets::SplashFrame(20));
    ASSERT_TRUE(frame);
    ASSERT_TRUE(png.SetBackImage(frame->Image()));

    ImagePtr composed = ComposeWindowForHandOut(window.Handle());
    int fw = 0, fh = 0, cw = 0, ch = 0;
    const auto framePixels = ReadPixels(frame->Image(), fw, fh);
    const auto composedPixels = ReadPixels(composed.get(), cw, ch);
    ASSERT_EQ(fw, 495);
    ASSERT_EQ(fh, 331);
    ASSERT_EQ(cw, fw);
    ASSERT_EQ(ch, fh);
    int differing = 0, transparent = 0, partial = 0;
    for (std::size_t i = 0; i < framePixels.size(); ++i) {
        if (framePixels[i] != composedPixels[i]) ++differing;
        const std::uint32_t alpha = composedPixels[i] >> 24;
        if (alpha == 0) ++transparent;
        if (alpha > 0 && alpha < 255) ++partial;
    }
    EXPECT_EQ(differing, 0);
    // The frame keeps its per-pixel alpha: a transparent surround and soft edges.
    EXPECT_GT(transparent, 0);
    EXPECT_GT(partial, 0);
}

TEST(PngWindowPresentation, SurfaceHoldsPremultipliedAlpha) {
    TestWindow window(4, 2);
    // Half-transparent pure red, opaque blue, fully transparent white.
    ImagePtr image = MakeBitmap(4, 2, [](int x, int) -> std::uint32_t {
        if (x == 0) return 0x80FF0000u;
        if (x == 1) return kBlue;
        return 0x00FFFFFFu;
    });
    ScopedWindowDc dc(window.Handle(), GetWindowDC(window.Handle()));
    PresentationSurface surface(dc.Get(), 4, 2);
    ASSERT_TRUE(surface.IsValid());
    surface.Draw(image.get(), nullptr, false);
    const std::uint32_t halfRed = surface.PixelAt(0, 0);
    EXPECT_EQ(halfRed >> 24, 0x80u);
    EXPECT_NEAR(static_cast<int>((halfRed >> 16) & 0xFF), 0x80, 1);  // red scaled by alpha
    EXPECT_EQ(halfRed & 0xFFFFu, 0u);
    EXPECT_EQ(surface.PixelAt(1, 1), kBlue);
    EXPECT_EQ(surface.PixelAt(3, 0), 0u);  // transparent stays all zero, not white
}

TEST(PngWindowPresentation, CaretLineIsDrawnFiveRightOfTheCaretAndCentredInTheBox) {
    TestWindow parent(200, 60, 0, 10, 10);  // frameless: client and window origins coincide
    HWND edit = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 100, 20, 80, 20, parent.Handle(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(CreateCaret(edit, nullptr, 1, 12));
    SetCaretPos(7, 3);
    KitFocus().focusEdit = edit;
    ImagePtr clear = MakeBitmap(200, 60, [](int, int) { return 0u; });
    ScopedWindowDc dc(parent.Handle(), GetWindowDC(parent.Handle()));
    PresentationSurface surface(dc.Get(), 200, 60);
    surface.Draw(clear.get(), parent.Handle(), true);
    KitFocus() = {};
    DestroyCaret();

    // Box top-left (100, 20), height 20: the line runs down x = 112 from y = 24 over 12 pixels.
    for (int y = 25; y < 36; ++y) EXPECT_EQ(surface.PixelAt(112, y) >> 24, 0xFFu) << "y " << y;
    EXPECT_EQ(surface.PixelAt(112, 30) & 0xFFFFFFu, 0u);  // black
    EXPECT_EQ(surface.PixelAt(111, 30), 0u);
    EXPECT_EQ(surface.PixelAt(112, 40), 0u);
    EXPECT_EQ(surface.PixelAt(112, 15), 0u);
}

TEST(PngWindowBackImageFromBytes, OnlyTheCurrentDecodedFrameStaysAlive) {
    TestWindow window(495, 331);
    PngWindow png;
    ASSERT_TRUE(png.Attach(window.Handle()));
    const int before = LoadedImage::LiveCount();
    for (int frame = 1; frame <= assets::kSplashFrameCount; ++frame)
        ASSERT_TRUE(png.SetBackImageFromBytes(assets::SplashFrame(frame))) << frame;
    EXPECT_EQ(LoadedImage::LiveCount(), before + 1);

    // A caller's own image replaces the decoded one, which then goes too.
    ImagePtr own = MakeBitmap(2, 2, [](int, int) { return kRed; });
    ASSERT_TRUE(png.SetBackImage(own.get()));
    EXPECT_EQ(LoadedImage::LiveCount(), before);
}

TEST(PngWindowBackImageFromBytes, BytesThatDoNotDecodeKeepThePicture) {
    TestWindow window(495, 331);
    PngWindow png;
    ASSERT_TRUE(png.Attach(window.Handle()));
    ASSERT_TRUE(png.SetBackImageFromBytes(assets::SplashFrame(1)));
    void* shown = GetPropW(window.Handle(), property::kBackImage);
    const std::byte junk[] = {std::byte{'n'}, std::byte{'o'}, std::byte{'p'}, std::byte{'e'}};
    EXPECT_FALSE(png.SetBackImageFromBytes(junk));
    EXPECT_FALSE(png.SetBackImageFromBytes({}));
    EXPECT_EQ(GetPropW(window.Handle(), property::kBackImage), shown);
}

TEST(PngWindowMoveResize, OnlyXMovesSideways) {
    TestWindow window(120, 80, 0, 30, 40);
    PngWindow png;
    ASSERT_TRUE(png.Attach(window.Handle()));
    png.MoveResize(70, std::nullopt, std::nullopt, std::nullopt);
    RECT rect{};
    GetWindowRect(window.Handle(), &rect);
    EXPECT_EQ(rect.left, 70);
    EXPECT_EQ(rect.top, 40);
    EXPECT_EQ(rect.right - rect.left, 120);
    EXPECT_EQ(rect.bottom - rect.top, 80);
}

class CaretBlink : public ::testing::Test {
protected:
    void TearDown() override { KitFocus() = {}; }
};

TEST_F(CaretBlink, TicksOnlyActForTheFocusedParentAndTheKitTimer) {
    TestWindow parent(100, 40), other(100, 40);
    PngWindow png;
    ASSERT_TRUE(png.Attach(parent.Handle()));
    ImagePtr back = MakeBitmap(10, 10, [](int, int) { return kRed; });
    png.SetBackImage(back.get());

    FocusState& focus = KitFocus();
    focus.focusParent = parent.Handle();
    focus.focusEdit = other.Handle();  // any window stands in for the edit box here
    ComposeWindow(parent.Handle());
    ASSERT_TRUE(focus.caretBaseImage);

    CaretTimerProc(parent.Handle(), WM_TIMER, 63, 0);
    EXPECT_EQ(focus.caretShown, 0);
    CaretTimerProc(other.Handle(), WM_TIMER, kCaretTimerId, 0);
    EXPECT_EQ(focus.caretShown, 0);
    CaretTimerProc(parent.Handle(), WM_TIMER, kCaretTimerId, 0);
    EXPECT_EQ(focus.caretShown, 1);  // first tick after focus gain: the line shows
    CaretTimerProc(parent.Handle(), WM_TIMER, kCaretTimerId, 0);
    EXPECT_EQ(focus.caretShown, 0);
}

TEST_F(CaretBlink, ComposingTheFocusedParentReplacesTheCachedPicture) {
    TestWindow parent(60, 30), other(60, 30);
    FocusState& focus = KitFocus();
    focus.focusParent = parent.Handle();
    ComposeWindow(parent.Handle());
    GpImage* first = focus.caretBaseImage.get();
    ASSERT_NE(first, nullptr);
    ComposeWindow(other.Handle());  // not the focus parent: nothing cached
    EXPECT_EQ(focus.caretBaseImage.get(), first);
    ComposeWindow(parent.Handle());
    EXPECT_NE(focus.caretBaseImage.get(), nullptr);
    EXPECT_NE(focus.caretBaseImage.get(), first);
}

}  // namespace
}  // namespace tessellon::kit
