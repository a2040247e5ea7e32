#include "calculator/CalculatorWindow.h"

#include "forms/Form.h"
#include "startup/Program.h"

namespace tessellon::calculator {

forms::FormDefinition MakeCalculatorDefinition() {
    forms::FormDefinition definition;
    definition.className = kClassName;
    definition.title = kTitle;
    definition.outerWidth = kCalculatorWidth;
    definition.outerHeight = kCalculatorHeight;
    definition.frame = forms::FrameKind::FixedDialog;
    definition.backgroundSystemColour = -1;
    definition.backgroundColour = RGB(255, 255, 255);
    // Closing the calculator ends the program.
    definition.onCanClose = [](forms::Form&) -> bool { EndProgram(0); };
    return definition;
}

}  // namespace tessellon::calculator
