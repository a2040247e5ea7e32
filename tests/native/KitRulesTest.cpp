#include "pngkit/KitRules.h"

#include <gtest/gtest.h>

namespace tessellon::kit {
namespace {

TEST(ColorToArgb, PacksAlphaAboveRedGreenBlue) {
    struct Case { std::uint32_t colour; int alpha; std::uint32_t argb; };
    const Case cases[] = {
        {0x000000u, 255, 0xFF000000u},      // opaque black
        {0x0000FFu, 128, 0x80FF0000u},      // pure red: red moves from the lowest byte up
        {0x332211u, 128, 0x80112233u},      // red 17, green 34, blue 51
        {0xFFFFFFFFu, 200, 0xC8FFFFFFu},    // -1: white, top byte ignored
        {0xAB0000FFu, 0, 0x00FF0000u},      // a top byte never leaks in
        {0x0000FFu, 256, 0x00FF0000u},      // only the low 8 bits of alpha survive
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToArgb(c.colour, c.alpha), c.argb) << std::hex << c.colour << " alpha " << std::dec << c.alpha;
}

TEST(PlanMoveResize, MissingValuesKeepTheCurrentRectangle) {
    const WindowRect current{100, 50, 300, 150};  // 200 x 100
    const MoveResizePlan sideways = PlanMoveResize(current, {.x = 40});
    EXPECT_EQ(sideways.x, 40);
    EXPECT_EQ(sideways.y, 50);
    EXPECT_EQ(sideways.width, 200);
    EXPECT_EQ(sideways.height, 100);
    EXPECT_EQ(sideways.flags, kSwpNoZOrder | kSwpNoSize);

    const MoveResizePlan taller = PlanMoveResize(current, {.height = 30});
    EXPECT_EQ(taller.flags, kSwpNoZOrder | kSwpNoMove);
    EXPECT_EQ(taller.width, 200);
    EXPECT_EQ(taller.height, 30);
    EXPECT_EQ(taller.x, 100);
}

TEST(PlanMoveResize, FlagsForNothingGiven) {
    const WindowRect current{0, 0, 10, 10};
    EXPECT_EQ(PlanMoveResize(current, {}).flags, 7u);
    // No-activate is the platform's own SWP_NOACTIVATE (0x10).
    EXPECT_EQ(PlanMoveResize(current, {.noActivate = true}).flags, 7u | 0x10u);
    EXPECT_EQ(PlanMoveResize(current, {.x = 1, .y = 2, .width = 3, .height = 4}).flags, kSwpNoZOrder);
}

TEST(CaretLineFor, CentresTwelvePixelLineFiveRightOfTheCaret) {
    const CaretLine line = CaretLineFor(100, 50, 20, 7, 3);
    EXPECT_EQ(line.x, 112);
    EXPECT_EQ(line.yTop, 54);
    EXPECT_EQ(line.yBottom, 66);
    EXPECT_EQ(CaretLineFor(100, 50, 21, 7, 3).yTop, 54);  // 54.5 truncates
    EXPECT_EQ(CaretLineFor(0, 0, 5, 0, 0).yTop, -3);      // -3.5 truncates toward zero
}

TEST(NextCaretPhase, TogglesOnAndOff) {
    EXPECT_EQ(NextCaretPhase(0), 1);
    EXPECT_EQ(NextCaretPhase(1), 0);
    EXPECT_EQ(NextCaretPhase(NextCaretPhase(0)), 0);
    EXPECT_EQ(NextCaretPhase(2), 1);  // only the low bit counts
}

TEST(PresentationDibHeader, ThirtyTwoBitBottomUpRgb) {
    const DibHeaderValues header = PresentationDibHeader(495, 331);
    EXPECT_EQ(header.size, 40u);
    EXPECT_EQ(header.width, 495);
    EXPECT_EQ(header.height, 331);  // positive: bottom-up rows
    EXPECT_EQ(header.planes, 1);
    EXPECT_EQ(header.bitCount, 32);
    EXPECT_EQ(header.compression, 0u);
    EXPECT_EQ(header.sizeImage, 495u * 331u * 4u);
}

TEST(FontStyleFromLogFont, OnlyExactWeightsAndFlagValuesCount) {
    EXPECT_EQ(FontStyleFromLogFont(700, 0, 0, 0), 1);
    EXPECT_EQ(FontStyleFromLogFont(600, 0, 0, 0), 1);
    EXPECT_EQ(FontStyleFromLogFont(800, 0, 0, 0), 0);
    EXPECT_EQ(FontStyleFromLogFont(400, 1, 1, 1), 2 | 4 | 8);
    EXPECT_EQ(FontStyleFromLogFont(400, 255, 2, 0), 0);  // other byte values are "off"
}

}  // namespace
}  // namespace tessellon::kit
