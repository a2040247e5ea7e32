// Walks Tessellon through its main path on a virtual display and asks the host to take a
// screenshot at each stage: it writes STAGE.request into the output folder and waits for the
// host's STAGE.done.
#include "calculator/CalculatorControls.h"
#include "tests/e2e/ProcessDriver.h"
#include "tests/e2e/UserInput.h"

#include <cstdio>
#include <string>

using namespace tessellon::e2e;

namespace {

std::wstring outputFolder;

bool Snapshot(const wchar_t* stage) {
    const std::wstring request = outputFolder + L"\\" + stage + L".request";
    const std::wstring done = outputFolder + L"\\" + stage + L".done";
    if (FILE* file = _wfopen(request.c_str(), L"wb")) std::fclose(file);
    for (int waited = 0; waited < 20000; waited += 20) {
        if (FileExists(done)) return true;
        Sleep(20);
    }
    std::fwprintf(stderr, L"no screenshot for %ls\n", stage);
    return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: TourDriver TESSELLON_EXE OUTPUT_FOLDER\n");
        return 2;
    }
    outputFolder = argv[2];
    ChildProcess program(argv[1]);
    if (!program.Started()) return 3;

    HWND splash = WaitForProcessWindow(program.Id(), L"TessellonSplash", true, 20000);
    if (!splash) return 4;
    Sleep(700);  // the cloud swelling, lightning inside
    Snapshot(L"1-splash-cloud");
    Sleep(500);  // discharges bursting from the top
    Snapshot(L"2-splash-discharge");

    HWND calculator = WaitForProcessWindow(program.Id(), L"TessellonCalculator", true, 20000);
    if (!calculator) return 5;
    Sleep(300);
    Snapshot(L"3-calculator");

    using namespace tessellon::calculator;
    for (auto [id, text] : {std::pair{kSourceWidthId, L"1000"}, std::pair{kSourceHeightId, L"700"}}) {
        HWND box = FindDescendant(calculator, id);
        ClickOn(box);
        WaitUntil([&] { return FocusInThreadOf(calculator) == box; });
        TypeText(text);
        WaitUntil([&] { return TextOf(box) == text; });
    }
    HWND go = FindDescendant(calculator, kCalculateButtonId);
    ClickOn(go);
    WaitUntil([&] { return TextOf(FindDescendant(calculator, kTipBoxId)).starts_with(L"\u539f\u56fe"); });  // 原图
    Sleep(200);
    Snapshot(L"4-calculated");

    ClickOn(FindDescendant(calculator, kSourceHeightId));  // the pointer off the button, the focus away
    ClickOn(FindDescendant(calculator, kClearButtonId));
    if (HWND box = WaitForProcessWindow(program.Id(), L"#32770", true, 5000)) {
        Sleep(200);
        Snapshot(L"5-cleared");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitUntilHidden(box, 5000);
    }

    PostMessageW(calculator, WM_CLOSE, 0, 0);
    DWORD exitCode = 0;
    if (!program.WaitForExit(15000, exitCode)) return 6;
    std::wprintf(L"Tessellon ended with exit code %ld\n", static_cast<long>(exitCode));
    return exitCode == 0 ? 0 : 7;
}
