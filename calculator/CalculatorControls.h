#pragma once
// The calculator's controls: their names, which the handlers use, and their child window ids,
// by which anything outside the program (tests, accessibility tools) can find them.
namespace tessellon::calculator {

namespace names {
inline constexpr wchar_t kSourceGroup[] = L"分组框1";
inline constexpr wchar_t kWidthCaption[] = L"标签1";
inline constexpr wchar_t kSourceWidth[] = L"始宽编辑框";
inline constexpr wchar_t kHeightCaption[] = L"标签2";
inline constexpr wchar_t kSourceHeight[] = L"始高编辑框";
inline constexpr wchar_t kAdjustedGroup[] = L"分组框2";
inline constexpr wchar_t kAdjustedWidthCaption[] = L"标签4";
inline constexpr wchar_t kAdjustedWidth[] = L"后宽编辑框";
inline constexpr wchar_t kTilesAcross[] = L"后宽编辑框1";
inline constexpr wchar_t kAdjustedHeightCaption[] = L"标签3";
inline constexpr wchar_t kAdjustedHeight[] = L"后高编辑框";
inline constexpr wchar_t kTilesDown[] = L"后高编辑框1";
inline constexpr wchar_t kCommandGroup[] = L"分组框3";
inline constexpr wchar_t kHelpButton[] = L"超级按钮帮助";
inline constexpr wchar_t kContactButton[] = L"超级按钮关于";
inline constexpr wchar_t kClearButton[] = L"超级按钮清除";
inline constexpr wchar_t kCalculateButton[] = L"超级按钮开始";
inline constexpr wchar_t kTipGroup[] = L"分组框4";
inline constexpr wchar_t kTipBox[] = L"提示编辑框";
inline constexpr wchar_t kStatusBar[] = L"状态条1";
}  // namespace names

// Child window ids, in the order the controls are listed.
enum ControlId : int {
    kSourceGroupId = 101,
    kWidthCaptionId,
    kSourceWidthId,
    kHeightCaptionId,
    kSourceHeightId,
    kAdjustedGroupId,
    kAdjustedWidthCaptionId,
    kAdjustedWidthId,
    kTilesAcrossId,
    kAdjustedHeightCaptionId,
    kAdjustedHeightId,
    kTilesDownId,
    kCommandGroupId,
    kHelpButtonId,
    kContactButtonId,
    kClearButtonId,
    kCalculateButtonId,
    kTipGroupId,
    kTipBoxId,
    kStatusBarId,
};

}  // namespace tessellon::calculator
