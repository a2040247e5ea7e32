#pragma once
// The one calculation Tessellon exists for: round a picture's width and height to whole floor
// tiles of 48 x 32 pixels. Texts here are GBK (code page 936) bytes, as the user's boxes hold them
// once converted; the window converts at its edge. Kept free of <windows.h>.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessellon::calculator {

inline constexpr double kTileWidth = 48.0;
inline constexpr double kTileHeight = 32.0;

// Full-width GBK forms of ASCII (digits, signs, letters, ideographic space...) folded to ASCII.
// A lone lead byte at the very end is dropped; other double-byte characters pass unchanged.
std::string FoldFullWidth(std::string_view gbk);

// The number a text starts with, read the same way whatever the locale: white space, sign, digits
// with an optional point, an exponent introduced by e, E, d or D. No number gives 0; too large a
// magnitude gives an infinity of its sign, too small a one gives 0.
double TextToNumber(std::string_view gbk);

// Toward zero to 64 bits (out of range, infinite or NaN: the most negative value), then the low
// 32 bits read as signed: 3000000000 -> -1294967296, 1e19 -> 0.
std::int32_t TruncateToInt32(double value);

// Halves round away from zero; a value short of a half by less than 1e-12 rounds up too.
double RoundHalfAway(double value, int decimals);

// At most 13 significant digits, trailing zeros dropped ("%.13g").
std::string NumberToText(double value);

// "原图：W x H 修改：AW x AH\r\n 封边：TX x TY 地砖：48x32", every piece as given.
std::string BuildSummary(std::string_view widthText, std::string_view heightText,
                         std::string_view adjustedWidthText, std::string_view adjustedHeightText,
                         std::string_view tilesAcrossText, std::string_view tilesDownText);

struct TileResults {
    double tilesAcross = 0, tilesDown = 0;
    double adjustedWidth = 0, adjustedHeight = 0;
    std::string adjustedWidthText, adjustedHeightText, tilesAcrossText, tilesDownText;
    std::string summary;
};

struct TileCalculation {
    std::int32_t width = 0, height = 0;  // the inputs as whole numbers
    std::optional<TileResults> results;  // none when a side is below 1
    bool Valid() const { return results.has_value(); }
};

// Both texts are always converted; the summary repeats them exactly as given.
TileCalculation CalculateTiles(std::string_view widthText, std::string_view heightText);

// The width and height the texts convert to, and whether both are at least 1.
struct TileInput {
    std::int32_t width = 0, height = 0;
    bool Valid() const { return width > 0 && height > 0; }
};
TileInput ConvertTileInput(std::string_view widthText, std::string_view heightText);

// Tiles and adjusted sizes for inputs already known to be valid.
TileResults ComputeTileResults(std::int32_t width, std::int32_t height);

}  // namespace tessellon::calculator
