#pragma once
// What the calculator says: captions, the tip box's texts and its message boxes.
namespace tessellon::calculator::texts {

inline constexpr wchar_t kTipCaption[] = L"友情提示";
inline constexpr wchar_t kInitialTip[] = L"\r\n请输入原始图片宽度和高度！";

inline constexpr wchar_t kCalculateCaption[] = L"计算结果";
inline constexpr wchar_t kInvalidInput[] = L"请输入原始图像宽度和高度！";

inline constexpr wchar_t kHelpCaption[] = L"帮助说明";
inline constexpr wchar_t kHelp[] =
    L"①、请输入原始图像宽度和高度并开始计算。 \r\n②、使用PhotoShop等同类软件调整图片大小。";

inline constexpr wchar_t kContactCaption[] = L"与我联系";
inline constexpr wchar_t kContact[] = L"↓【我的信息】↓\r\n昵称：砖瓦匠阿岚  邮箱：alan.tiles@tessellon.example";

inline constexpr wchar_t kClearCaption[] = L"橡皮擦";
inline constexpr wchar_t kClearedTip[] = L"\r\n数据已清空，请重新输入！";
inline constexpr wchar_t kCleared[] = L"数据已清空，请重新输入！";

// The status bar: version, maker and a contact number.
inline constexpr wchar_t kVersionLabel[] = L"版本：";
inline constexpr wchar_t kVersion[] = L"V1.0";
inline constexpr wchar_t kMakerLabel[] = L"制作：";
inline constexpr wchar_t kMaker[] = L"阿岚";
inline constexpr wchar_t kContactNumberLabel[] = L"联系QQ：";
inline constexpr wchar_t kContactNumber[] = L"3141592653";

}  // namespace tessellon::calculator::texts
