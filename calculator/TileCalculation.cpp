#include "calculator/TileCalculation.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tessellon::calculator {
namespace {

// The summary's fixed pieces in GBK.
constexpr std::string_view kOriginalPiece = "\xD4\xAD\xCD\xBC\xA3\xBA";            // "原图："
constexpr std::string_view kAdjustedPiece = " \xD0\xDE\xB8\xC4\xA3\xBA";           // " 修改："
constexpr std::string_view kTilesPiece = "\r\n \xB7\xE2\xB1\xDF\xA3\xBA";          // "\r\n 封边："
constexpr std::string_view kFloorPiece = " \xB5\xD8\xD7\xA9\xA3\xBA" "48x32";      // " 地砖：48x32"

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Which ASCII character a GBK double-byte pair stands for, or 0 when it is no full-width ASCII form.
char AsciiForPair(unsigned char lead, unsigned char trail) {
    if (lead == 0xA1) {
        switch (trail) {
            case 0xA1: return ' ';
            case 0xAB: return '~';
            case 0xEE:
            case 0xEF: return '*';
            default: return 0;
        }
    }
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
    return 0;
}

// The longest number at the text's start, rewritten for from_chars: sign, mantissa, "e", exponent.
struct NumberPrefix {
    bool negative = false;
    std::string mantissa;  // digits and at most one point
    std::string exponent;  // signed digits, may be empty
    bool found = false;
};

NumberPrefix ReadNumberPrefix(std::string_view text) {
    NumberPrefix prefix;
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) prefix.negative = text[at++] == '-';
    bool digits = false, point = false;
    for (; at < text.size(); ++at) {
        if (IsDigit(text[at])) {
            digits = true;
        } else if (text[at] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        prefix.mantissa += text[at];
    }
    if (!digits) return prefix;
    prefix.found = true;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E' || text[at] == 'd' || text[at] == 'D')) {
        std::size_t look = at + 1;
        std::string exponent;
        if (look < text.size() && (text[look] == '+' || text[look] == '-')) exponent += text[look++];
        const std::size_t firstDigit = look;
        while (look < text.size() && IsDigit(text[look])) exponent += text[look++];
        if (look > firstDigit) prefix.exponent = exponent;  // an exponent needs digits to count
    }
    return prefix;
}

// Where the first significant digit sits relative to the point, plus the exponent: positive means
// the magnitude is at least 1, so an out-of-range value overflowed rather than underflowed.
bool MagnitudeIsLarge(const NumberPrefix& prefix) {
    long long position = 0;
    bool seenPoint = false, seenSignificant = false;
    for (char c : prefix.mantissa) {
        if (c == '.') { seenPoint = true; continue; }
        if (c != '0') seenSignificant = true;
        if (!seenSignificant) {
            if (seenPoint) --position;
            continue;
        }
        if (!seenPoint) ++position;
    }
    long long exponent = 0;
    for (char c : prefix.exponent) {
        if (IsDigit(c) && exponent < 1'000'000'000) exponent = exponent * 10 + (c - '0');
    }
    if (!prefix.exponent.empty() && prefix.exponent[0] == '-') exponent = -exponent;
    return position + exponent > 0;
}

}  // namespace

std::string FoldFullWidth(std::string_view gbk) {
    std::string folded;
    folded.reserve(gbk.size());
    for (std::size_t at = 0; at < gbk.size(); ++at) {
        const auto lead = static_cast<unsigned char>(gbk[at]);
        if (lead == 0) break;  // the text ends at its terminator
        if (lead < 0x80) {
            folded += gbk[at];
            continue;
        }
        if (at + 1 >= gbk.size() || gbk[at + 1] == '\0') break;  // a lone lead byte is dropped
        const auto trail = static_cast<unsigned char>(gbk[at + 1]);
        if (const char ascii = AsciiForPair(lead, trail)) {
            folded += ascii;
        } else {
            folded += gbk[at];
            folded += gbk[at + 1];
        }
        ++at;
    }
    return folded;
}

double TextToNumber(std::string_view gbk) {
    const NumberPrefix prefix = ReadNumberPrefix(FoldFullWidth(gbk));
    if (!prefix.found) return 0.0;
    std::string canonical = prefix.mantissa;
    if (!prefix.exponent.empty()) canonical += "e" + prefix.exponent;
    double value = 0.0;
    const auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value,
                                              std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = MagnitudeIsLarge(prefix) ? std::numeric_limits<double>::infinity() : 0.0;
    else if (error != std::errc())
        value = 0.0;
    return prefix.negative ? -value : value;
}

std::int32_t TruncateToInt32(double value) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    std::int64_t whole = std::numeric_limits<std::int64_t>::min();
    if (std::isfinite(value) && std::fabs(value) < kTwoTo63) whole = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

double RoundHalfAway(double value, int decimals) {
    if (value == 0.0 || std::isnan(value)) return value;
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    double result = 0.0;
    double whole = 0.0;
    if (decimals == 0) {
        const double fraction = std::modf(magnitude + 1e-12, &whole);
        result = fraction >= 0.5 ? whole + 1 : whole;
    } else if (decimals > 0) {
        const double scale = std::pow(10.0, decimals);
        const double fraction = std::modf(magnitude * scale + 1e-12, &whole);
        result = (fraction >= 0.5 ? whole + 1 : whole) / scale;
    } else {
        const double scale = std::pow(10.0, -decimals);
        const double fraction = std::modf(magnitude / scale + 1e-12, &whole);
        result = (fraction >= 0.5 ? whole + 1 : whole) * scale;
    }
    return negative ? -result : result;
}

std::string NumberToText(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    if (error != std::errc()) return {};
    return std::string(buffer, end);
}

std::string BuildSummary(std::string_view widthText, std::string_view heightText,
                         std::string_view adjustedWidthText, std::string_view adjustedHeightText,
                         std::string_view tilesAcrossText, std::string_view tilesDownText) {
    std::string summary;
    for (std::string_view piece : {kOriginalPiece, widthText, std::string_view("x"), heightText, kAdjustedPiece,
                                   adjustedWidthText, std::string_view("x"), adjustedHeightText, kTilesPiece,
                                   tilesAcrossText, std::string_view("x"), tilesDownText, kFloorPiece})
        summary += piece;
    return summary;
}

TileInput ConvertTileInput(std::string_view widthText, std::string_view heightText) {
    return {TruncateToInt32(TextToNumber(widthText)), TruncateToInt32(TextToNumber(heightText))};
}

TileResults ComputeTileResults(std::int32_t width, std::int32_t height) {
    TileResults results;
    results.tilesAcross = RoundHalfAway(width / kTileWidth, 0);
    results.tilesDown = RoundHalfAway(height / kTileHeight, 0);
    results.adjustedWidth = results.tilesAcross * kTileWidth;
    results.adjustedHeight = results.tilesDown * kTileHeight;
    results.adjustedWidthText = NumberToText(results.adjustedWidth);
    results.adjustedHeightText = NumberToText(results.adjustedHeight);
    results.tilesAcrossText = NumberToText(results.tilesAcross);
    results.tilesDownText = NumberToText(results.tilesDown);
    return results;
}

TileCalculation CalculateTiles(std::string_view widthText, std::string_view heightText) {
    const TileInput input = ConvertTileInput(widthText, heightText);
    TileCalculation calculation{input.width, input.height, std::nullopt};
    if (!input.Valid()) return calculation;
    TileResults results = ComputeTileResults(input.width, input.height);
    results.summary = BuildSummary(widthText, heightText, results.adjustedWidthText, results.adjustedHeightText,
                                   results.tilesAcrossText, results.tilesDownText);
    calculation.results = std::move(results);
    return calculation;
}

}  // namespace tessellon::calculator
