#include "calculator/IntegerInputRule.h"
#include "calculator/TileCalculation.h"
#include "tests/native/GbkText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tessellon::calculator {
namespace {

using tessellon::testing::Gbk;

struct TileCase {
    const char* width;   // UTF-8; converted to GBK as the window would
    const char* height;
    const char* adjustedWidth;
    const char* adjustedHeight;
    const char* tilesAcross;
    const char* tilesDown;
};

void PrintTo(const TileCase& c, std::ostream* os) { *os << c.width << " x " << c.height; }

void ExpectResults(const TileCalculation& calculation, const TileCase& c) {
    ASSERT_TRUE(calculation.Valid());
    const TileResults& r = *calculation.results;
    EXPECT_EQ(r.adjustedWidthText, c.adjustedWidth);
    EXPECT_EQ(r.adjustedHeightText, c.adjustedHeight);
    EXPECT_EQ(r.tilesAcrossText, c.tilesAcross);
    EXPECT_EQ(r.tilesDownText, c.tilesDown);
    EXPECT_EQ(r.summary, BuildSummary(Gbk(c.width), Gbk(c.height), c.adjustedWidth, c.adjustedHeight,
                                      c.tilesAcross, c.tilesDown));
}

// What the two input boxes can hold once the focus has left them: the box tidies the typed text
// first, and the calculation and the summary see the tidied text.
class TypedIntoTheWindow : public ::testing::TestWithParam<TileCase> {};

TEST_P(TypedIntoTheWindow, GivesTheTileAlignedSize) {
    TileCase c = GetParam();
    const std::string width = NormaliseIntegerText(c.width), height = NormaliseIntegerText(c.height);
    c.width = width.c_str();
    c.height = height.c_str();
    ExpectResults(CalculateTiles(width, height), c);
}

INSTANTIATE_TEST_SUITE_P(Rows, TypedIntoTheWindow, ::testing::Values(
    TileCase{"1000", "700", "1008", "704", "21", "22"},
    TileCase{"800", "600", "816", "608", "17", "19"},
    TileCase{"1920", "1080", "1920", "1088", "40", "34"},
    TileCase{"120", "80", "144", "96", "3", "3"},           // 2.5 tiles become 3
    TileCase{"24", "16", "48", "32", "1", "1"},             // exactly half a tile becomes one
    TileCase{"23", "15", "0", "0", "0", "0"},
    TileCase{"2147483647", "2147483647", "2147483664", "2147483648", "44739243", "67108864"},
    TileCase{"5000000000", "100", "2147483664", "96", "44739243", "3"}));  // box clamps first

// Texts the boxes would never let through, given to the calculation directly.
class GivenToTheCalculation : public ::testing::TestWithParam<TileCase> {};

TEST_P(GivenToTheCalculation, TruncatesFoldsAndWraps) {
    const TileCase& c = GetParam();
    ExpectResults(CalculateTiles(Gbk(c.width), Gbk(c.height)), c);
}

INSTANTIATE_TEST_SUITE_P(Rows, GivenToTheCalculation, ::testing::Values(
    TileCase{"1000.9", "700.5", "1008", "704", "21", "22"},
    TileCase{" 640abc", "480", "624", "480", "13", "15"},
    TileCase{"１０２４", "７６８", "1008", "768", "21", "24"},
    TileCase{"5000000000", "100", "705032688", "96", "14688181", "3"}));

TEST(CalculateTiles, SummaryHasTwoLinesWithTheTextsAsGiven) {
    const TileCalculation calculation = CalculateTiles("1000", "700");
    ASSERT_TRUE(calculation.Valid());
    EXPECT_EQ(calculation.results->summary, Gbk("原图：1000x700 修改：1008x704\r\n 封边：21x22 地砖：48x32"));
    EXPECT_EQ(CalculateTiles("23", "15").results->summary, Gbk("原图：23x15 修改：0x0\r\n 封边：0x0 地砖：48x32"));
    EXPECT_EQ(CalculateTiles(Gbk("１０２４"), "768").results->summary,
              Gbk("原图：１０２４x768 修改：1008x768\r\n 封边：21x24 地砖：48x32"));
}

TEST(CalculateTiles, RefusesSidesBelowOneButStillConvertsBoth) {
    for (const char* bad : {"", "abc", "0", "-5", "0.9", "3000000000", "1e19", "1e400"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(CalculateTiles(bad, "100").Valid());
        EXPECT_FALSE(CalculateTiles("100", bad).Valid());
    }
    const TileCalculation calculation = CalculateTiles("3000000000", "77");
    EXPECT_EQ(calculation.width, -1294967296);
    EXPECT_EQ(calculation.height, 77);
}

TEST(CalculateTiles, SmallPicturesGiveNoTiles) {
    for (int width = 1; width <= 23; ++width)
        for (int height = 1; height <= 15; ++height) {
            const auto calculation = CalculateTiles(std::to_string(width), std::to_string(height));
            ASSERT_TRUE(calculation.Valid());
            EXPECT_EQ(calculation.results->adjustedWidth, 0.0);
            EXPECT_EQ(calculation.results->adjustedHeight, 0.0);
        }
}

struct NumberCase {
    const char* text;  // UTF-8
    double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TextToNumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberCases, ReadsTheLeadingNumber) {
    const double got = TextToNumber(Gbk(GetParam().text));
    if (std::isinf(GetParam().value)) {
        EXPECT_EQ(got, GetParam().value);
    } else {
        EXPECT_DOUBLE_EQ(got, GetParam().value);
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Texts, TextToNumberCases, ::testing::Values(
    NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"-", 0}, NumberCase{".", 0}, NumberCase{"e5", 0},
    NumberCase{"42", 42}, NumberCase{" \t\r\n\v\f-17xyz", -17}, NumberCase{"+3.5", 3.5},
    NumberCase{".5", 0.5}, NumberCase{"5.", 5}, NumberCase{"1.5e3", 1500}, NumberCase{"2D2", 200},
    NumberCase{"2d-1", 0.2}, NumberCase{"7E", 7}, NumberCase{"7e+", 7}, NumberCase{"1.2.3", 1.2},
    NumberCase{"1e400", kInfinity}, NumberCase{"-1e400", -kInfinity}, NumberCase{"1e-400", 0},
    NumberCase{"0.000e999", 0}, NumberCase{"000123", 123},
    // Full-width forms fold to ASCII: digits, sign, point, ideographic space.
    NumberCase{"－１２．５", -12.5}, NumberCase{"　８", 8}, NumberCase{"１ｅ２", 100},
    // Other double-byte characters stay and end the number.
    NumberCase{"１２中３", 12}));

TEST(FoldFullWidth, MapsTheListedPairsAndKeepsOthers) {
    EXPECT_EQ(FoldFullWidth(Gbk("～☆★　ＡｚＡ！")), "~** Az" "A!");
    EXPECT_EQ(FoldFullWidth(Gbk("中文 ok")), Gbk("中文 ok"));  // spaces are kept
    EXPECT_EQ(FoldFullWidth("12\xA3"), "12");                  // a lone lead byte at the end
    EXPECT_EQ(FoldFullWidth(std::string("\xA3\0\xB1", 3)), "");  // the text ends at its terminator
    EXPECT_EQ(FoldFullWidth("\xA3\xFF"), "\xA3\xFF");          // outside the full-width range
    EXPECT_EQ(FoldFullWidth("\xA3\xA0"), "\xA3\xA0");
}

TEST(TruncateToInt32, KeepsTheLowThirtyTwoBitsOfTheWholePart) {
    EXPECT_EQ(TruncateToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(TruncateToInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(TruncateToInt32(3000000000.0), -1294967296);
    EXPECT_EQ(TruncateToInt32(5000000000.0), 705032704);
    EXPECT_EQ(TruncateToInt32(-1.9), -1);
    EXPECT_EQ(TruncateToInt32(1000.9), 1000);
    EXPECT_EQ(TruncateToInt32(1e19), 0);
    EXPECT_EQ(TruncateToInt32(kInfinity), 0);
    EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
}

TEST(RoundHalfAway, HalvesGoAwayFromZero) {
    const struct { double value; int decimals; double rounded; } cases[] = {
        {0.5, 0, 1}, {2.5, 0, 3}, {-2.5, 0, -3}, {2.4999999999995, 0, 3}, {2.49, 0, 2}, {0.0, 0, 0},
        {1.25, 1, 1.3}, {-1.25, 1, -1.3}, {1.24, 1, 1.2}, {1250, -2, 1300}, {1249, -2, 1200}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundHalfAway(c.value, c.decimals), c.rounded) << c.value;
    EXPECT_TRUE(std::isnan(RoundHalfAway(std::nan(""), 0)));
}

TEST(NumberToText, ThirteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(NumberToText(1008), "1008");
    EXPECT_EQ(NumberToText(0), "0");
    EXPECT_EQ(NumberToText(4294967296.0), "4294967296");
    EXPECT_EQ(NumberToText(2.5), "2.5");
    EXPECT_EQ(NumberToText(12345678901234.0), "1.234567890123e+13");
}

TEST(IntegerInputRule, TypedCharactersOtherThanDigitsAndMinusAreRefused) {
    for (unsigned code : {8u, 3u, 22u, 24u, 26u, 13u}) EXPECT_TRUE(AcceptsTypedCharacter(code)) << code;
    for (char c : std::string("0123456789-")) EXPECT_TRUE(AcceptsTypedCharacter(static_cast<unsigned char>(c)));
    for (unsigned code : {unsigned(' '), unsigned('.'), unsigned('a'), unsigned('+'), 0x4E2Du, 0xFF11u, 127u})
        EXPECT_FALSE(AcceptsTypedCharacter(code)) << code;
}

TEST(IntegerInputRule, FocusLossTidiesToAPlainThirtyTwoBitInteger) {
    const struct { const char* typed; const char* shown; } cases[] = {
        {"0007", "7"}, {"12-3", "12"}, {"-", ""}, {"0", ""}, {"-0", ""}, {"-5", "-5"}, {"", ""},
        {"99999999999", "2147483647"}, {"-99999999999", "-2147483648"},
        {"99999999999999999999999999", "2147483647"}, {"1 000", "1"}, {"  +42", "42"}, {"abc", ""},
        {"2147483647", "2147483647"}, {"-2147483648", "-2147483648"}};
    for (const auto& c : cases) EXPECT_EQ(NormaliseIntegerText(c.typed), c.shown) << c.typed;
}

}  // namespace
}  // namespace tessellon::calculator

namespace tessellon::calculator {
namespace {

// Whatever bytes arrive (pasted text, any code page), the rules answer without failing, and the
// tidy-up is stable: tidying its own result changes nothing.
TEST(AnyBytes, AreAnsweredAndTidyingIsStable) {
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 24;
    };
    const std::string alphabet = "0123456789+-.eEdD \t\r\n\xA1\xA3\xB1\xAB\xEE\x80\xFFx";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const std::size_t length = next() % 24;
        for (std::size_t i = 0; i < length; ++i)
            text += round % 2 ? static_cast<char>(next()) : alphabet[next() % alphabet.size()];
        const double value = TextToNumber(text);
        ASSERT_FALSE(std::isnan(value)) << ::testing::PrintToString(text);
        const std::string tidied = NormaliseIntegerText(text);
        ASSERT_EQ(NormaliseIntegerText(tidied), tidied) << ::testing::PrintToString(text);
        const TileCalculation calculation = CalculateTiles(text, "100");
        ASSERT_EQ(calculation.Valid(), calculation.width > 0);
        if (calculation.Valid()) {
            ASSERT_NE(calculation.results->summary.find(text), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace tessellon::calculator
