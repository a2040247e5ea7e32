// The whole program driven from outside under Wine: the real exe, its real windows, its exit codes.
#include "tests/e2e/ProcessDriver.h"
#include "tests/e2e/TessellonLocation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tessellon::e2e {
namespace {

constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 15000;
constexpr DWORD kFatalExitCode = 0xFFFFFFFFu;

std::wstring StartupChildExe() { return TestProgramDirectory() + L"\\startup_child.exe"; }

RECT OuterRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

void ExpectCentred(HWND window, int width, int height) {
    const RECT rect = OuterRect(window);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST(Program, SplashPlaysLayeredAndFramelessThenTheCalculatorOpensAndClosesWithZero) {
    ChildProcess program(TessellonExe());
    ASSERT_TRUE(program.Started());
    HWND splash = WaitForProcessWindow(program.Id(), L"TessellonSplash", true, kWindowTimeoutMs);
    ASSERT_NE(splash, nullptr);
    const ULONGLONG splashSeen = GetTickCount64();

    const LONG_PTR style = GetWindowLongPtrW(splash, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME), 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(splash, GWL_EXSTYLE)), static_cast<DWORD>(WS_EX_LAYERED));
    ExpectCentred(splash, 495, 331);

    HWND calculator = WaitForProcessWindow(program.Id(), L"TessellonCalculator", true, kWindowTimeoutMs);
    ASSERT_NE(calculator, nullptr);
    // 35 frames at 50 ms each come first; a timer never ticks faster than its period.
    EXPECT_GE(GetTickCount64() - splashSeen, 1000u);
    EXPECT_TRUE(IsWindow(splash)) << "the splash is hidden, not destroyed";
    EXPECT_TRUE(WaitUntilHidden(splash, 2000));
    EXPECT_FALSE(IsWindowEnabled(splash)) << "the calculator is modal";

    wchar_t title[128] = {};
    GetWindowTextW(calculator, title, 128);
    EXPECT_STREQ(title, L"Tessellon V1.0 [特效版]");
    ExpectCentred(calculator, 327, 301);

    PostMessageW(calculator, WM_CLOSE, 0, 0);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(Program, EscapeDuringTheSplashEndsTheProgramWithZero) {
    ChildProcess program(TessellonExe());
    ASSERT_TRUE(program.Started());
    HWND splash = WaitForProcessWindow(program.Id(), L"TessellonSplash", true, kWindowTimeoutMs);
    ASSERT_NE(splash, nullptr);
    PostMessageW(splash, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode)) << "Esc must close the splash for good";
    EXPECT_EQ(exitCode, 0u);
}

struct FatalCase {
    const char* mode;
    std::vector<std::wstring> expectedTexts;
};

class FatalPath : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalPath, ShowsTheErrorBoxAndEndsWithMinusOneWithoutTheExitHook) {
    const FatalCase& c = GetParam();
    const std::wstring scratch = MakeScratchDirectory(L"fatal");
    const std::wstring marker = scratch + L"\\marker.txt";
    const std::wstring mode(c.mode, c.mode + strlen(c.mode));
    ChildProcess child(StartupChildExe(), mode + L" \"" + marker + L"\"");
    ASSERT_TRUE(child.Started());

    HWND box = WaitForProcessWindow(child.Id(), L"#32770", true, kWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no error box";
    const std::wstring text = ChildTexts(box);
    for (const std::wstring& expected : c.expectedTexts)
        EXPECT_NE(text.find(expected), std::wstring::npos) << "box text lacks an expected part";
    PostMessageW(box, WM_COMMAND, IDOK, 0);

    DWORD exitCode = 0;
    ASSERT_TRUE(child.WaitForExit(kExitTimeoutMs, exitCode));
    EXPECT_EQ(exitCode, kFatalExitCode);
    EXPECT_FALSE(FileExists(marker)) << "the exit hook ran on the fatal path";
}

INSTANTIATE_TEST_SUITE_P(
    Roads, FatalPath,
    ::testing::Values(FatalCase{"fatal", {L"42", L"测试用的致命错误"}},
                      FatalCase{"missing-library", {L"NoSuchLibrary.dll", L"NoSuchEntry"}},
                      FatalCase{"missing-entry", {L"kernel32.dll", L"NoSuchEntryAnywhere"}}),
    [](const ::testing::TestParamInfo<FatalCase>& info) {
        std::string name = info.param.mode;
        std::erase(name, '-');
        return name;
    });

TEST(EndProgram, RunsTheExitHookOnceEvenWhenTheHookEndsTheProgramAgain) {
    const std::wstring marker = MakeScratchDirectory(L"hook") + L"\\marker.txt";
    ChildProcess child(StartupChildExe(), L"hook-once \"" + marker + L"\"");
    DWORD exitCode = 0;
    ASSERT_TRUE(child.WaitForExit(kExitTimeoutMs, exitCode));
    EXPECT_EQ(ReadFileText(marker), "exit hook\n");
    EXPECT_EQ(exitCode, 9u);  // the inner end carried its own code
}

TEST(BindExternalRoutine, FindsASystemRoutineOnceAndKeepsIt) {
    const std::wstring marker = MakeScratchDirectory(L"bind") + L"\\marker.txt";
    ChildProcess child(StartupChildExe(), L"bind-system \"" + marker + L"\"");
    DWORD exitCode = 1;
    ASSERT_TRUE(child.WaitForExit(kExitTimeoutMs, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ReadFileText(marker), "bound\nexit hook\n");
}

TEST(BindExternalRoutine, FindsALibraryBesideTheProgramWhateverTheCurrentFolder) {
    const std::wstring marker = MakeScratchDirectory(L"beside") + L"\\marker.txt";
    ChildProcess child(StartupChildExe(), L"bind-beside \"" + marker + L"\"", MakeScratchDirectory(L"cwd"));
    DWORD exitCode = 1;
    ASSERT_TRUE(child.WaitForExit(kExitTimeoutMs, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ReadFileText(marker), "bound beside the program\nexit hook\n");
}

TEST(ProgramDirectory, IsTheProgramsFolderAndBecomesTheCurrentFolder) {
    const std::wstring marker = MakeScratchDirectory(L"dir") + L"\\marker.txt";
    const std::wstring elsewhere = MakeScratchDirectory(L"elsewhere");
    ChildProcess child(StartupChildExe(), L"directory \"" + marker + L"\"", elsewhere);
    DWORD exitCode = 1;
    ASSERT_TRUE(child.WaitForExit(kExitTimeoutMs, exitCode));
    const std::string lines = ReadFileText(marker);
    const std::wstring folder = TestProgramDirectory();
    const std::string expected(folder.begin(), folder.end());  // the build path is ASCII
    EXPECT_EQ(lines, expected + "\n" + expected + "\nexit hook\n");
}

}  // namespace
}  // namespace tessellon::e2e
