#pragma once
// What the calculator's number boxes let through: typed characters are filtered, and the text is
// tidied into a plain 32-bit integer when the box loses the focus. Kept free of <windows.h>.
#include <string>
#include <string_view>

namespace tessellon::calculator {

// A typed character code of 32 or above passes only as "-" or a digit; control characters
// (backspace, the clipboard shortcuts) always pass, so a paste is not filtered.
bool AcceptsTypedCharacter(unsigned code);

// The text a box shows once it loses the focus: the leading integer (white space, sign, digits;
// none gives 0) clamped to 32 bits, in decimal, with 0 shown as the empty text.
std::string NormaliseIntegerText(std::string_view text);

}  // namespace tessellon::calculator
