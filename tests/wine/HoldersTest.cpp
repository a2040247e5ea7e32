// GDI+ holders, text conversion and image loading, in process.
#include "pngkit/GdiplusHolders.h"
#include "pngkit/ImageLoading.h"
#include "pngkit/TextConversion.h"
#include "tests/wine/KitTestSupport.h"
#include "winutil/ScopedHandles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tessellon::kit {
namespace {

using testing::EncodePng;
using testing::InstalledFace;
using testing::MakeBitmap;
using testing::ReadPixels;
using testing::TestWindow;

TEST(AnsiToWide, ConvertsWithTheTerminatorAvailable) {
    EXPECT_TRUE(AnsiToWide("").empty());
    EXPECT_EQ(AnsiToWide("").c_str()[0], L'\0');
    const std::wstring abc = AnsiToWide("abc");
    EXPECT_EQ(abc, L"abc");
    EXPECT_EQ((abc.size() + 1) * sizeof(wchar_t), 8u);  // three characters plus the 16-bit NUL
}

TEST(GetWindowTextAnsi, GivesTheWindowsTextInTheSystemCodePage) {
    TestWindow window(10, 10);
    EXPECT_EQ(GetWindowTextAnsi(window.Handle()), "");
    SetWindowTextW(window.Handle(), L"Tiles 48x32");
    EXPECT_EQ(GetWindowTextAnsi(window.Handle()), "Tiles 48x32");
    if (GetACP() != 936) GTEST_SKIP() << "the Chinese round trip needs the Chinese code page";
    SetWindowTextW(window.Handle(), L"\u5730\u7816 ok");  // two Chinese characters, two bytes each here
    const std::string ansi = GetWindowTextAnsi(window.Handle());
    EXPECT_EQ(ansi.size(), 7u);
    EXPECT_EQ(AnsiToWide(ansi), L"\u5730\u7816 ok");
}

struct FontCase {
    LONG height;
    LONG weight;
    BYTE italic;
    int style;
    float size;
};

class FontFromHfont : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontFromHfont, TakesStyleAndPixelSizeFromTheLogFont) {
    const FontCase c = GetParam();
    LOGFONTW logFont{};
    logFont.lfHeight = c.height;
    logFont.lfWeight = c.weight;
    logFont.lfItalic = c.italic;
    wcscpy(logFont.lfFaceName, InstalledFace());
    ScopedGdiObject font(CreateFontIndirectW(&logFont));
    FontHolder holder;
    ASSERT_NE(holder.CreateFromHfont(static_cast<HFONT>(font.Get())), nullptr);
    int style = -1, unit = -1;
    float size = 0;
    EXPECT_EQ(holder.GetStyle(style), Gdiplus::Ok);
    EXPECT_EQ(holder.GetSize(size), Gdiplus::Ok);
    EXPECT_EQ(holder.GetUnit(unit), Gdiplus::Ok);
    EXPECT_EQ(style, c.style);
    EXPECT_FLOAT_EQ(size, c.size);
    EXPECT_EQ(unit, 2);  // pixels
}

INSTANTIATE_TEST_SUITE_P(Cases, FontFromHfont,
                         ::testing::Values(FontCase{-12, 700, 0, 1, 12.0f},   // bold, negative height
                                           FontCase{-12, 800, 0, 0, 12.0f},   // 800 is not bold
                                           FontCase{16, 400, 0, 0, 16.0f},    // positive height alike
                                           FontCase{16, 400, 1, 2, 16.0f},    // italic
                                           FontCase{16, 400, 255, 0, 16.0f})); // 255 is not italic

TEST(FontHolder, WindowWithoutFontGivesNoneAndKeepsTheHolder) {
    TestWindow window(10, 10);  // a plain window answers WM_GETFONT with no font
    FontHolder holder;
    EXPECT_EQ(holder.CreateFromWindow(window.Handle()), nullptr);
    EXPECT_EQ(holder.Handle(), nullptr);

    ASSERT_EQ(holder.CreateFromFamilyName(InstalledFace(), 10.0f, 0, 2), Gdiplus::Ok);
    GpFont* held = holder.Handle();
    EXPECT_EQ(holder.CreateFromWindow(window.Handle()), nullptr);
    EXPECT_EQ(holder.Handle(), held);
}

TEST(FontHolder, UnknownFaceLeavesTheHolderEmptyAndReleaseIsRepeatable) {
    FontHolder holder;
    EXPECT_NE(holder.CreateFromFamilyName(L"No Such Face 7f3a", 10.0f, 0, 2), Gdiplus::Ok);
    EXPECT_EQ(holder.Handle(), nullptr);
    ASSERT_EQ(holder.CreateFromFamilyName(InstalledFace(), 10.0f, 0, 2), Gdiplus::Ok);
    ASSERT_EQ(holder.CreateFromFamilyName(InstalledFace(), 20.0f, 0, 2), Gdiplus::Ok);  // replaces the first
    float size = 0;
    holder.GetSize(size);
    EXPECT_FLOAT_EQ(size, 20.0f);
    holder.Release();
    holder.Release();
    EXPECT_EQ(holder.Handle(), nullptr);
}

TEST(StreamHolder, WithDataHoldsACopyOfTheBytes) {
    const std::byte bytes[] = {std::byte{1}, std::byte{2}, std::byte{3}, std::byte{250}};
    StreamHolder holder;
    ASSERT_NE(holder.Create(bytes, true), nullptr);
    EXPECT_EQ(holder.Size(), 4u);
    const auto copy = holder.ReadAll();
    ASSERT_EQ(copy.size(), 4u);
    EXPECT_EQ(std::memcmp(copy.data(), bytes, 4), 0);
    holder.Release();
    holder.Release();
    EXPECT_EQ(holder.Stream(), nullptr);
}

TEST(StreamHolder, WithoutDataIsAnEmptyGrowableStream) {
    StreamHolder holder;
    IStream* stream = holder.Create({}, false);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(holder.Size(), 0u);
    const char text[] = "grow";
    ULONG written = 0;
    stream->Write(text, 4, &written);
    EXPECT_EQ(written, 4u);
    const auto bytes = holder.ReadAll();
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::memcmp(bytes.data(), text, 4), 0);
}

TEST(LoadImageFromBytes, ImageStaysDrawableLongAfterTheBytesAreGone) {
    ImagePtr source = MakeBitmap(16, 8, [](int x, int y) -> std::uint32_t {
        return 0xFF000000u | static_cast<std::uint32_t>(x * 15) << 16 | static_cast<std::uint32_t>(y * 30);
    });
    std::unique_ptr<LoadedImage> loaded;
    {
        std::vector<std::byte> png = EncodePng(source.get());
        ASSERT_FALSE(png.empty());
        loaded = LoadImageFromBytes(png);
        std::fill(png.begin(), png.end(), std::byte{0xCD});  // the caller's bytes are scribbled over
    }
    ASSERT_TRUE(loaded);
    // Churn the heap so freed memory would be reused.
    for (int i = 0; i < 200; ++i) std::vector<std::byte> noise(4096 + i, std::byte{0xEE});

    ImagePtr target = MakeBitmap(16, 8, [](int, int) { return 0u; });
    GpGraphics* graphics = nullptr;
    GdipGetImageGraphicsContext(target.get(), &graphics);
    GdipDrawImageRectI(graphics, loaded->Image(), 0, 0, 16, 8);
    GdipDeleteGraphics(graphics);
    int w = 0, h = 0, sw = 0, sh = 0;
    EXPECT_EQ(ReadPixels(target.get(), w, h), ReadPixels(source.get(), sw, sh));
}

TEST(LoadImageFromBytes, BytesThatAreNoPictureGiveNoImage) {
    const std::byte junk[] = {std::byte{0x89}, std::byte{'P'}, std::byte{'N'}, std::byte{'G'}, std::byte{0}};
    EXPECT_EQ(LoadImageFromBytes(junk), nullptr);
    EXPECT_EQ(LoadImageFromBytes({}), nullptr);
}

}  // namespace
}  // namespace tessellon::kit
