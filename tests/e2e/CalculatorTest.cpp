// The calculator driven as a user drives it: real clicks and keystrokes into the real program's
// window, then the boxes' texts read back.
#include "calculator/CalculatorControls.h"
#include "tests/e2e/ProcessDriver.h"
#include "tests/e2e/TessellonLocation.h"
#include "tests/e2e/UserInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace tessellon::e2e {
namespace {

using namespace tessellon::calculator;

constexpr DWORD kWindowTimeoutMs = 20000;
constexpr wchar_t kMessageBoxClass[] = L"#32770";

const std::wstring kHelpText = L"①、请输入原始图像宽度和高度并开始计算。 \r\n②、使用PhotoShop等同类软件调整图片大小。";

class Calculator : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        program_ = std::make_unique<ChildProcess>(TessellonExe());
        window_ = WaitForProcessWindow(program_->Id(), L"TessellonCalculator", true, kWindowTimeoutMs);
    }
    static void TearDownTestSuite() {
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        DWORD exitCode = 0;
        program_->WaitForExit(10000, exitCode);
        program_.reset();
        window_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(window_, nullptr) << "the calculator never appeared";
        ASSERT_EQ(FindProcessWindow(program_->Id(), kMessageBoxClass, true), nullptr) << "a box was left open";
    }

    static HWND Box(int id) { return FindDescendant(window_, id); }
    static std::wstring Text(int id) { return TextOf(Box(id)); }
    static std::wstring Caption() { return Text(kTipGroupId); }

    // Clicks into the box, selects what it holds and types over it.
    static void Type(int id, const std::wstring& text) {
        HWND box = Box(id);
        ClickOn(box);
        ASSERT_TRUE(WaitUntil([&] { return FocusInThreadOf(window_) == box; }))
            << "the box took no focus; focus is on " << FocusInThreadOf(window_) << " box " << box << " fg "
            << GetForegroundWindow() << " calc " << window_;
        PressKey(VK_END);
        PressKey(VK_HOME, false, true);
        PressKey(VK_DELETE);
        ASSERT_TRUE(WaitUntil([&] { return TextOf(box).empty(); }));
        TypeText(text);
    }

    // Types into the box and waits until the typed text stands there.
    static void Enter(int id, const std::wstring& text) {
        Type(id, text);
        ASSERT_TRUE(WaitUntil([&] { return Text(id) == text; })) << "typed text did not arrive";
    }

    static void Click(int id) { ClickOn(Box(id)); }

    static HWND WaitForMessageBox() {
        return WaitForProcessWindow(program_->Id(), kMessageBoxClass, true, kWindowTimeoutMs);
    }
    static void Acknowledge(HWND box) {
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); })) << "the box stayed open";
    }

    // A valid calculation, so result boxes and tip box hold something known.
    static void Calculate(const std::wstring& width, const std::wstring& height) {
        Enter(kSourceWidthId, width);
        Enter(kSourceHeightId, height);
        const std::wstring before = Text(kTipBoxId);
        Click(kCalculateButtonId);
        ASSERT_TRUE(WaitUntil([&] { return Text(kTipBoxId) != before && Text(kTipBoxId).starts_with(L"原图："); }))
            << "no summary appeared";
    }

    static std::unique_ptr<ChildProcess> program_;
    static HWND window_;
};

std::unique_ptr<ChildProcess> Calculator::program_;
HWND Calculator::window_ = nullptr;

struct WindowRow {
    const wchar_t* width;
    const wchar_t* height;
    const wchar_t* results[4];  // adjusted width, adjusted height, tiles across, tiles down
    const wchar_t* summary;
};

void PrintTo(const WindowRow& row, std::ostream* os) {
    *os << testing::PrintToString(std::wstring(row.width)) << " x " << testing::PrintToString(std::wstring(row.height));
}

class CalculatorRows : public Calculator, public ::testing::WithParamInterface<WindowRow> {};

TEST_P(CalculatorRows, GoGoShowsTheTileAlignedSizeAndTheSummary) {
    const WindowRow& row = GetParam();
    Enter(kSourceWidthId, row.width);
    Enter(kSourceHeightId, row.height);
    Click(kHelpButtonId);  // a known tip first, so the summary's arrival shows
    ASSERT_TRUE(WaitUntil([] { return Text(kTipBoxId) == kHelpText; }));
    Click(kCalculateButtonId);
    ASSERT_TRUE(WaitUntil([&] { return Text(kTipBoxId) == row.summary; })) << "tip box: " << testing::PrintToString(Text(kTipBoxId));
    EXPECT_EQ(Text(kAdjustedWidthId), row.results[0]);
    EXPECT_EQ(Text(kAdjustedHeightId), row.results[1]);
    EXPECT_EQ(Text(kTilesAcrossId), row.results[2]);
    EXPECT_EQ(Text(kTilesDownId), row.results[3]);
    EXPECT_EQ(Caption(), L"计算结果");
}

INSTANTIATE_TEST_SUITE_P(Rows, CalculatorRows, ::testing::Values(
    WindowRow{L"1000", L"700", {L"1008", L"704", L"21", L"22"}, L"原图：1000x700 修改：1008x704\r\n 封边：21x22 地砖：48x32"},
    WindowRow{L"800", L"600", {L"816", L"608", L"17", L"19"}, L"原图：800x600 修改：816x608\r\n 封边：17x19 地砖：48x32"},
    WindowRow{L"1920", L"1080", {L"1920", L"1088", L"40", L"34"}, L"原图：1920x1080 修改：1920x1088\r\n 封边：40x34 地砖：48x32"},
    WindowRow{L"120", L"80", {L"144", L"96", L"3", L"3"}, L"原图：120x80 修改：144x96\r\n 封边：3x3 地砖：48x32"},
    WindowRow{L"24", L"16", {L"48", L"32", L"1", L"1"}, L"原图：24x16 修改：48x32\r\n 封边：1x1 地砖：48x32"},
    WindowRow{L"23", L"15", {L"0", L"0", L"0", L"0"}, L"原图：23x15 修改：0x0\r\n 封边：0x0 地砖：48x32"},
    WindowRow{L"2147483647", L"2147483647", {L"2147483664", L"2147483648", L"44739243", L"67108864"},
              L"原图：2147483647x2147483647 修改：2147483664x2147483648\r\n 封边：44739243x67108864 地砖：48x32"},
    // The width box clamps the typed number once the focus leaves it; the summary shows that.
    WindowRow{L"5000000000", L"100", {L"2147483664", L"96", L"44739243", L"3"},
              L"原图：2147483647x100 修改：2147483664x96\r\n 封边：44739243x3 地砖：48x32"}));

struct RejectedInput {
    const wchar_t* width;
    const wchar_t* height;
};

void PrintTo(const RejectedInput& input, std::ostream* os) {
    *os << testing::PrintToString(std::wstring(input.width)) << " x " << testing::PrintToString(std::wstring(input.height));
}

class CalculatorRejects : public Calculator, public ::testing::WithParamInterface<RejectedInput> {};

TEST_P(CalculatorRejects, SaysSoInATaskModalBoxAndChangesNothingButTheCaption) {
    Calculate(L"1000", L"700");
    Click(kHelpButtonId);
    ASSERT_TRUE(WaitUntil([] { return Text(kTipBoxId) == kHelpText; }));
    const auto [width, height] = GetParam();
    Type(kSourceWidthId, width);
    Type(kSourceHeightId, height);

    Click(kCalculateButtonId);
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_NE(ChildTexts(box).find(L"请输入原始图像宽度和高度！"), std::wstring::npos);
    EXPECT_EQ(TextOf(box), L"友情提示");
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
    EXPECT_FALSE(IsWindowEnabled(window_)) << "task-modal: the calculator waits";
    EXPECT_EQ(Caption(), L"计算结果");
    Acknowledge(box);

    EXPECT_TRUE(WaitUntil([] { return IsWindowEnabled(window_) != FALSE; }));
    EXPECT_EQ(Caption(), L"计算结果");
    EXPECT_EQ(Text(kTipBoxId), kHelpText);
    EXPECT_EQ(Text(kAdjustedWidthId), L"1008");
    EXPECT_EQ(Text(kAdjustedHeightId), L"704");
    EXPECT_EQ(Text(kTilesAcrossId), L"21");
    EXPECT_EQ(Text(kTilesDownId), L"22");
}

INSTANTIATE_TEST_SUITE_P(Inputs, CalculatorRejects, ::testing::Values(
    RejectedInput{L"", L"100"}, RejectedInput{L"100", L""}, RejectedInput{L"0", L"100"},
    RejectedInput{L"100", L"0"}, RejectedInput{L"-5", L"100"}, RejectedInput{L"100", L"-5"}));

TEST_F(Calculator, HelpAndContactFillTheTipBoxAndLeaveTheNumbersAlone) {
    Calculate(L"800", L"600");
    Click(kHelpButtonId);
    ASSERT_TRUE(WaitUntil([] { return Caption() == L"帮助说明"; }));
    EXPECT_EQ(Text(kTipBoxId), kHelpText);

    Click(kContactButtonId);
    ASSERT_TRUE(WaitUntil([] { return Caption() == L"与我联系"; }));
    const std::wstring contact = Text(kTipBoxId);
    EXPECT_TRUE(contact.starts_with(L"↓【我的信息】↓\r\n昵称：")) << testing::PrintToString(contact);
    EXPECT_NE(contact.find(L"  邮箱："), std::wstring::npos);
    EXPECT_NE(contact.find(L"@"), std::wstring::npos);

    for (auto [id, text] : {std::pair{kSourceWidthId, L"800"}, {kSourceHeightId, L"600"}, {kAdjustedWidthId, L"816"},
                            {kAdjustedHeightId, L"608"}, {kTilesAcrossId, L"17"}, {kTilesDownId, L"19"}})
        EXPECT_EQ(Text(id), text);
}

TEST_F(Calculator, ClearEmptiesEveryBoxWarnsAndPutsTheCaptionBack) {
    Calculate(L"1920", L"1080");
    Click(kClearButtonId);
    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(ChildTexts(box).find(L"数据已清空，请重新输入！"), std::wstring::npos);
    EXPECT_EQ(TextOf(box), L"友情提示");
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    // While the box is open the caption names the clear and every number box is empty.
    EXPECT_EQ(Caption(), L"橡皮擦");
    for (int id : {kSourceWidthId, kSourceHeightId, kAdjustedWidthId, kAdjustedHeightId, kTilesAcrossId, kTilesDownId})
        EXPECT_EQ(Text(id), L"") << id;
    EXPECT_EQ(Text(kTipBoxId), L"\r\n数据已清空，请重新输入！");
    Acknowledge(box);
    EXPECT_TRUE(WaitUntil([] { return Caption() == L"友情提示"; }));
}

TEST_F(Calculator, RefusedCharactersAreNotTyped) {
    Type(kSourceWidthId, L"a. b+,中Ｘ7");
    ASSERT_TRUE(WaitUntil([] { return Text(kSourceWidthId) == L"7"; }))
        << testing::PrintToString(Text(kSourceWidthId));
    TypeText(L"-x2");
    EXPECT_TRUE(WaitUntil([] { return Text(kSourceWidthId) == L"7-2"; }));
}

struct FocusLossCase {
    const wchar_t* typed;
    const wchar_t* shown;
};

void PrintTo(const FocusLossCase& c, std::ostream* os) { *os << testing::PrintToString(std::wstring(c.typed)); }

class CalculatorFocusLoss : public Calculator, public ::testing::WithParamInterface<FocusLossCase> {};

TEST_P(CalculatorFocusLoss, TidiesTheBoxToAPlainInteger) {
    Enter(kSourceWidthId, GetParam().typed);
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([] { return FocusInThreadOf(window_) == Box(kSourceHeightId); }));
    EXPECT_TRUE(WaitUntil([] { return Text(kSourceWidthId) == GetParam().shown; }))
        << testing::PrintToString(Text(kSourceWidthId));
}

INSTANTIATE_TEST_SUITE_P(Typed, CalculatorFocusLoss, ::testing::Values(
    FocusLossCase{L"0007", L"7"}, FocusLossCase{L"12-3", L"12"}, FocusLossCase{L"-", L""}, FocusLossCase{L"0", L""},
    FocusLossCase{L"-0", L""}, FocusLossCase{L"-5", L"-5"}, FocusLossCase{L"99999999999", L"2147483647"}));

TEST_F(Calculator, APasteIsLetThroughAndTidiedWhenTheFocusLeaves) {
    ASSERT_TRUE(SetClipboardText(L"1 000"));
    Type(kSourceHeightId, L"");
    PressKey('V', true);
    ASSERT_TRUE(WaitUntil([] { return Text(kSourceHeightId) == L"1 000"; }))
        << testing::PrintToString(Text(kSourceHeightId));
    Click(kSourceWidthId);
    EXPECT_TRUE(WaitUntil([] { return Text(kSourceHeightId) == L"1"; }));
}

TEST_F(Calculator, TabVisitsTheInputBoxesAndThePictureButtonsOnly) {
    Click(kSourceWidthId);
    ASSERT_TRUE(WaitUntil([] { return FocusInThreadOf(window_) == Box(kSourceWidthId); }));
    for (int next : {kSourceHeightId, kHelpButtonId, kContactButtonId, kClearButtonId, kCalculateButtonId,
                     kSourceWidthId}) {
        PressKey(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusInThreadOf(window_) == Box(next); })) << "expected control " << next;
    }
}

}  // namespace
}  // namespace tessellon::e2e

namespace tessellon::e2e {
namespace {

// How many pixels of exactly this colour the window shows on the screen right now.
int CountScreenPixels(HWND window, COLORREF colour) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    int count = 0;
    const auto* pixels = static_cast<const DWORD*>(bits);
    const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    for (int i = 0; bits && i < width * height; ++i)
        if ((pixels[i] & 0xFFFFFF) == wanted) ++count;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return count;
}

TEST_F(Calculator, HoverTurnsAButtonsTextBlackUntilThePointerLeavesEveryTime) {
    constexpr COLORREF kHelpGreen = RGB(0, 128, 0);
    HWND help = Box(kHelpButtonId);
    Click(kSourceWidthId);  // focus away from the buttons, the pointer off them
    ASSERT_TRUE(WaitUntil([&] { return CountScreenPixels(help, kHelpGreen) > 5; })) << "idle text is not green";
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        MovePointerTo(CentreOf(help));
        EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(help, kHelpGreen) == 0; })) << "hover did not show";
        MovePointerTo(CentreOf(Box(kSourceWidthId)));
        EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(help, kHelpGreen) > 5; })) << "leaving did not show";
    }
}

// Esc in an input box and Alt+F4 both reach the window's close, which ends the program with 0.
class CalculatorCloseKeys : public ::testing::TestWithParam<bool> {};

TEST_P(CalculatorCloseKeys, EndTheProgramNormally) {
    ChildProcess program(TessellonExe());
    HWND window = WaitForProcessWindow(program.Id(), L"TessellonCalculator", true, kWindowTimeoutMs);
    ASSERT_NE(window, nullptr);
    HWND width = FindDescendant(window, kSourceWidthId);
    ClickOn(width);
    ASSERT_TRUE(WaitUntil([&] { return FocusInThreadOf(window) == width; }));
    const bool escape = GetParam();
    if (escape) {
        PressKey(VK_ESCAPE);
    } else {
        INPUT keys[4]{};
        for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
        keys[0].ki.wVk = VK_MENU;
        keys[1].ki.wVk = VK_F4;
        keys[2].ki = {VK_F4, 0, KEYEVENTF_KEYUP, 0, 0};
        keys[3].ki = {VK_MENU, 0, KEYEVENTF_KEYUP, 0, 0};
        SendInput(4, keys, sizeof(INPUT));
    }
    DWORD exitCode = 1234;
    ASSERT_TRUE(program.WaitForExit(15000, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(Keys, CalculatorCloseKeys, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Escape" : "AltF4"; });

// Under a Western locale the system's code page is not GBK; the window's texts and the
// calculation's summary must come through all the same. The test runner starts this test under
// such a locale, and its children inherit it.
TEST(CalculatorUnderAWesternLocale, ShowsAndComputesItsChineseTextsIntact) {
    {
        ChildProcess probe(TestProgramDirectory() + L"\\startup_child.exe", L"code-page none");
        DWORD codePage = 0;
        ASSERT_TRUE(probe.WaitForExit(15000, codePage));
        ASSERT_NE(codePage, 936u) << "the child still runs under the Chinese code page";
    }
    ChildProcess program(TessellonExe());
    HWND window = WaitForProcessWindow(program.Id(), L"TessellonCalculator", true, kWindowTimeoutMs);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), L"Tessellon V1.0 [特效版]");
    const std::pair<int, const wchar_t*> texts[] = {
        {kSourceGroupId, L"原始图像"}, {kWidthCaptionId, L"原始图像宽度"}, {kAdjustedGroupId, L"调整图像"},
        {kCommandGroupId, L"操作区域"}, {kHelpButtonId, L"？帮助"}, {kTipGroupId, L"友情提示"},
        {kTipBoxId, L"\r\n请输入原始图片宽度和高度！"}};
    for (const auto& [id, text] : texts) EXPECT_EQ(TextOf(FindDescendant(window, id)), text) << id;

    HWND width = FindDescendant(window, kSourceWidthId), height = FindDescendant(window, kSourceHeightId);
    for (auto [box, text] : {std::pair{width, L"1000"}, std::pair{height, L"700"}}) {
        ClickOn(box);
        ASSERT_TRUE(WaitUntil([&] { return FocusInThreadOf(window) == box; }));
        TypeText(text);
        ASSERT_TRUE(WaitUntil([&] { return TextOf(box) == text; }));
    }
    ClickOn(FindDescendant(window, kCalculateButtonId));
    EXPECT_TRUE(WaitUntil([&] {
        return TextOf(FindDescendant(window, kTipBoxId)) == L"原图：1000x700 修改：1008x704\r\n 封边：21x22 地砖：48x32";
    })) << testing::PrintToString(TextOf(FindDescendant(window, kTipBoxId)));
    EXPECT_EQ(TextOf(FindDescendant(window, kTipGroupId)), L"计算结果");
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(15000, exitCode));
}

}  // namespace
}  // namespace tessellon::e2e
