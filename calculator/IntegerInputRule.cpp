#include "calculator/IntegerInputRule.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tessellon::calculator {

bool AcceptsTypedCharacter(unsigned code) {
    if (code < 32) return true;
    return code == '-' || (code >= '0' && code <= '9');
}

std::string NormaliseIntegerText(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

    // Read as a 64-bit integer that saturates rather than wraps, then clamp to 32 bits: a run of
    // digits too long for 64 bits still ends at the nearer 32-bit limit.
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 10;
    std::int64_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (text[at] - '0');
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    value = std::max<std::int64_t>(value, std::numeric_limits<std::int32_t>::min());
    value = std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max());
    if (value == 0) return {};
    return std::to_string(value);
}

}  // namespace tessellon::calculator
