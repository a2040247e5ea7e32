#include "startup/StartupSequence.h"

#include "calculator/CalculatorWindow.h"
#include "forms/FormRuntime.h"
#include "pngkit/KitInit.h"
#include "pngkit/PngWindow.h"
#include "pngkit/TextConversion.h"
#include "splash/SplashWindow.h"
#include "startup/Program.h"

#include <ole2.h>

#include <memory>
#include <string>

namespace tessellon {
namespace {

// The one layered-window object of the run; the splash attaches it and plays through it.
std::unique_ptr<kit::PngWindow> processPngWindow;

void ExitHook() {
    kit::ReleaseKitState();
    processPngWindow.reset();  // leaves the window it was attached to alone
}

void OnUnhandledError(const char* what) {
    RaiseRuntimeError(0, L"未处理的异常：" + kit::AnsiToWide(what));
}

}  // namespace

int RunProgram() {
    if (SUCCEEDED(OleInitialize(nullptr))) NoteOleInitialized();
    InitProgramDirectory();
    forms::SetUnhandledErrorHandler(&OnUnhandledError);

    processPngWindow = std::make_unique<kit::PngWindow>();
    static const forms::FormDefinition calculatorDefinition = calculator::MakeCalculatorDefinition();
    static const forms::FormDefinition splashDefinition = splash::MakeSplashDefinition(
        *processPngWindow, [] { forms::LoadFormModal(calculatorDefinition); });

    SetExitHook(&ExitHook);
    kit::InitKit();

    if (!forms::LoadForm(splashDefinition)) RaiseRuntimeError(0, L"无法载入启动画面窗口。");
    forms::RunMessageLoop();
    EndProgram(0);
}

}  // namespace tessellon
