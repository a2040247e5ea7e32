#pragma once
// The program's main window: a small fixed dialog where the user types a picture's size.
#include "forms/FormDefinition.h"

namespace tessellon::calculator {

inline constexpr int kCalculatorWidth = 327;
inline constexpr int kCalculatorHeight = 301;
inline constexpr wchar_t kClassName[] = L"TessellonCalculator";
inline constexpr wchar_t kTitle[] = L"Tessellon V1.0 [特效版]";

forms::FormDefinition MakeCalculatorDefinition();

}  // namespace tessellon::calculator
