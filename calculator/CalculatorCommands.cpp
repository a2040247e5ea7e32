#include "calculator/CalculatorCommands.h"

#include "calculator/CalculatorControls.h"
#include "calculator/CalculatorTexts.h"
#include "calculator/GbkText.h"
#include "calculator/TileCalculation.h"
#include "forms/Form.h"

namespace tessellon::calculator {
namespace {

// The calculation reads and writes GBK; the window holds wide text.
std::string ReadBox(const forms::Form& window, const wchar_t* name) { return ToGbk(window.ControlText(name)); }
void WriteBox(forms::Form& window, const wchar_t* name, std::string_view gbk) {
    window.SetControlText(name, FromGbk(gbk));
}

// The program's own boxes: no owner window, modal for the whole program.
void ShowMessage(const wchar_t* text, UINT icon) { MessageBoxW(nullptr, text, texts::kTipCaption, icon | MB_TASKMODAL); }

}  // namespace

void OnCalculateClicked(forms::Form& window) {
    window.SetControlText(names::kTipGroup, texts::kCalculateCaption);
    const TileInput input = ConvertTileInput(ReadBox(window, names::kSourceWidth), ReadBox(window, names::kSourceHeight));
    if (!input.Valid()) {
        ShowMessage(texts::kInvalidInput, MB_ICONERROR);
        return;
    }
    const TileResults results = ComputeTileResults(input.width, input.height);
    WriteBox(window, names::kAdjustedWidth, results.adjustedWidthText);
    WriteBox(window, names::kAdjustedHeight, results.adjustedHeightText);
    WriteBox(window, names::kTilesAcross, results.tilesAcrossText);
    WriteBox(window, names::kTilesDown, results.tilesDownText);

    // The summary repeats what the boxes hold now, inputs exactly as they stand.
    const std::string width = ReadBox(window, names::kSourceWidth);
    const std::string height = ReadBox(window, names::kSourceHeight);
    const std::string adjustedWidth = ReadBox(window, names::kAdjustedWidth);
    const std::string adjustedHeight = ReadBox(window, names::kAdjustedHeight);
    const std::string tilesAcross = ReadBox(window, names::kTilesAcross);
    const std::string tilesDown = ReadBox(window, names::kTilesDown);
    WriteBox(window, names::kTipBox,
             BuildSummary(width, height, adjustedWidth, adjustedHeight, tilesAcross, tilesDown));
}

void OnHelpClicked(forms::Form& window) {
    window.SetControlText(names::kTipGroup, texts::kHelpCaption);
    window.SetControlText(names::kTipBox, texts::kHelp);
}

void OnContactClicked(forms::Form& window) {
    window.SetControlText(names::kTipGroup, texts::kContactCaption);
    window.SetControlText(names::kTipBox, texts::kContact);
}

void OnClearClicked(forms::Form& window) {
    window.SetControlText(names::kTipGroup, texts::kClearCaption);
    for (const wchar_t* box : {names::kSourceWidth, names::kSourceHeight, names::kAdjustedWidth, names::kAdjustedHeight,
                               names::kTilesAcross, names::kTilesDown})
        window.SetControlText(box, L"");
    window.SetControlText(names::kTipBox, texts::kClearedTip);
    ShowMessage(texts::kCleared, MB_ICONWARNING);
    window.SetControlText(names::kTipGroup, texts::kTipCaption);
}

}  // namespace tessellon::calculator
