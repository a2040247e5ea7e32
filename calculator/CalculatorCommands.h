#pragma once
// What the calculator's four picture buttons do. Each first names its action in the tip group's
// caption; the tip box below carries its text.
namespace tessellon::forms {
class Form;
}

namespace tessellon::calculator {

void OnCalculateClicked(forms::Form& window);  // "GO!GO!"
void OnHelpClicked(forms::Form& window);
void OnContactClicked(forms::Form& window);
void OnClearClicked(forms::Form& window);

}  // namespace tessellon::calculator
