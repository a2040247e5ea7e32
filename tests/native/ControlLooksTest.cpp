#include "forms/ControlLooks.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessellon::forms {
namespace {

TEST(GradientRowColour, RunsFromTheColourToWhiteAndBackDownTheLabel) {
    constexpr Colour kGreen = MakeColour(0, 128, 0);
    constexpr int kHeight = 24;
    EXPECT_EQ(GradientRowColour(0, kHeight, kGreen), kGreen);
    EXPECT_EQ(GradientRowColour(kHeight - 1, kHeight, kGreen), kGreen);
    EXPECT_EQ(GradientRowColour((kHeight - 1) / 2, kHeight, kGreen), kWhite);
    // Brighter towards the middle from either edge.
    for (int row = 1; row <= (kHeight - 1) / 2; ++row) {
        EXPECT_GE(GradientRowColour(row, kHeight, kGreen) & 0xFF, GradientRowColour(row - 1, kHeight, kGreen) & 0xFF);
        const int mirror = kHeight - 1 - row;
        EXPECT_GE(GradientRowColour(mirror, kHeight, kGreen) & 0xFF,
                  GradientRowColour(mirror + 1, kHeight, kGreen) & 0xFF);
    }
    EXPECT_EQ(GradientRowColour(0, 1, kGreen), kGreen);  // a one-row label is all colour
}

TEST(PictureButtonColours, FollowHoverPressAndFocus) {
    constexpr Colour kOwn = MakeColour(0, 0, 255);
    const struct {
        bool hovered, pressed, focused;
        ButtonColours expected;
    } cases[] = {
        {false, false, false, {kOwn, kWhite}},
        {true, false, false, {kBlack, kWhite}},
        {false, true, false, {kBlack, kWhite}},
        {true, false, true, {kBlack, kWhite}},    // hover wins over focus
        {false, true, true, {kBlack, kWhite}},
        {false, false, true, {kBlack, kFocusGrey}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureButtonColours(kOwn, c.hovered, c.pressed, c.focused), c.expected)
            << c.hovered << c.pressed << c.focused;
}

TEST(PictureButtonLayout, PictureAtThreeCentredTextToItsRightAndAPressShiftsBoth) {
    const ButtonLayout up = PictureButtonLayout(80, 32, false);
    EXPECT_EQ(up.picture, (Box{3, 0, 35, 32}));
    EXPECT_EQ(up.text, (Box{35, 0, 80, 32}));
    const ButtonLayout down = PictureButtonLayout(80, 32, true);
    EXPECT_EQ(down.picture, (Box{4, 1, 36, 33}));
    EXPECT_EQ(down.text, (Box{36, 1, 81, 33}));
    EXPECT_EQ(PictureButtonLayout(80, 40, false).picture.top, 4);
}

TEST(PreparePicturePixels, ClearsTheTopLeftColourAndPremultipliesTheRest) {
    const std::uint32_t key = 0xFFFF00FF;
    std::vector<std::uint32_t> pixels = {key, 0xFF102030, key, 0x80FF8040, 0x00FF00FF};
    PreparePicturePixels(pixels.data(), pixels.size(), false);
    EXPECT_EQ(pixels[0], 0u);
    EXPECT_EQ(pixels[1], 0xFF102030u);
    EXPECT_EQ(pixels[2], 0u);  // every pixel of the key colour, not just the corner
    EXPECT_EQ(pixels[3], 0x80804020u);
    EXPECT_EQ(pixels[4], 0u);  // fully transparent stays so
}

TEST(PreparePicturePixels, GreyedPicturesLoseTheirColourButKeepTheirShape) {
    std::vector<std::uint32_t> pixels = {0x00000000, 0xFFFF0000, 0xFF0000FF};
    PreparePicturePixels(pixels.data(), pixels.size(), true);
    EXPECT_EQ(pixels[0], 0u);
    for (std::uint32_t p : {pixels[1], pixels[2]}) {
        EXPECT_EQ(p >> 24, 0xFFu);
        EXPECT_EQ((p >> 16) & 0xFF, p & 0xFF);
        EXPECT_EQ((p >> 8) & 0xFF, p & 0xFF);
        EXPECT_GT(p & 0xFF, 0x7Fu);  // washed out towards white
    }
}

}  // namespace
}  // namespace tessellon::forms
