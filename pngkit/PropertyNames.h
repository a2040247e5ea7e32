#pragma once
// Names of the window properties through which kit windows keep their state. Any code holding a
// window handle can read them, so any of it can recompose the window. An absent property reads as 0.

namespace tessellon::kit::property {

// On the layered window; also on picture and edit-box children, whose picture it is.
inline constexpr wchar_t kBackImage[] = L"PngControl_BackImage";
inline constexpr wchar_t kTime[] = L"PngControl_Time";
// The back image the kit itself decoded (a LoadedImage*), disposed once another replaces it.
inline constexpr wchar_t kDecodedBackImage[] = L"PngControl_DecodedBackImage";

// On child controls, set by the code that builds the window (images stay that code's own).
inline constexpr wchar_t kType[] = L"PngControl_Type";
inline constexpr wchar_t kBackType[] = L"PngControl_BackType";
inline constexpr wchar_t kNormalImage[] = L"PngControl_NormalImage";
inline constexpr wchar_t kOverImage[] = L"PngControl_OverlImage";
inline constexpr wchar_t kDownImage[] = L"PngControl_DownImage";
inline constexpr wchar_t kDisableImage[] = L"PngControl_DisableImage";
inline constexpr wchar_t kBackColor[] = L"PngControl_BackColor";
inline constexpr wchar_t kBackAlpha[] = L"PngControl_BackAlpha";
inline constexpr wchar_t kBorderColor[] = L"PngControl_OrderColor";
inline constexpr wchar_t kBorderAlpha[] = L"PngControl_OrderAlpha";
inline constexpr wchar_t kTextColor[] = L"PngControl_TextColor";
// A procedure RehookChildren reinstates (and then removes).
inline constexpr wchar_t kWndProcToReinstate[] = L"PngControl_WndProc";

// On child controls, written by the kit.
inline constexpr wchar_t kDrawState[] = L"Nimbar_DrawState";
inline constexpr wchar_t kChildWndProc[] = L"PngControl_ChildWndProc";

// On loading dialogs, set by their creator; the dialog releases them when it is destroyed.
inline constexpr wchar_t kLoadThread[] = L"Nimbar_Thread";
inline constexpr wchar_t kLoadImage[] = L"Nimbar_Image";
inline constexpr wchar_t kLoadMemory[] = L"Nimbar_Stream";
inline constexpr wchar_t kHitMove[] = L"NimbarHitMove";

}  // namespace tessellon::kit::property
