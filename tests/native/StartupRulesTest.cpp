#include "forms/FormGeometry.h"
#include "startup/ProgramDirectoryRule.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

TEST(CutProgramDirectory, KeepsEverythingBeforeTheLastBackslash) {
    struct Case { const wchar_t* path; const wchar_t* directory; };
    const Case cases[] = {
        {L"C:\\Games\\Tools\\Tessellon.exe", L"C:\\Games\\Tools"},
        {L"C:\\Tessellon.exe", L"C:"},                 // drive root: letter and colon only
        {L"\\\\server\\share\\Tessellon.exe", L"\\\\server\\share"},
        {L"Tessellon.exe", L""},                       // no backslash at all
        {L"C:\\dir\\", L"C:\\dir"},
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(CutProgramDirectory(c.path), c.directory);
}

TEST(CentredOrigin, TruncatesTowardZero) {
    EXPECT_EQ(forms::CentredOrigin(1024, 768, 495, 331).left, 264);   // 264.5
    EXPECT_EQ(forms::CentredOrigin(1024, 768, 495, 331).top, 218);    // 218.5
    EXPECT_EQ(forms::CentredOrigin(1920, 1080, 327, 301).left, 796);
    EXPECT_EQ(forms::CentredOrigin(1920, 1080, 327, 301).top, 389);
    // A window larger than the screen: -97.5 truncates to -97, not -98.
    EXPECT_EQ(forms::CentredOrigin(300, 200, 495, 331).left, -97);
    EXPECT_EQ(forms::CentredOrigin(300, 200, 495, 331).top, -65);
}

}  // namespace
}  // namespace tessellon
