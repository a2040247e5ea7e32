#pragma once
// Names of the window properties through which kit windows keep their state. Any code holding a
// window handle can read them, so any of it can recompose the window.

namespace tessellon::kit::property {

inline constexpr wchar_t kBackImage[] = L"PngControl_BackImage";
inline constexpr wchar_t kTime[] = L"PngControl_Time";
// The back image the kit itself decoded (a LoadedImage*), disposed once another replaces it.
inline constexpr wchar_t kDecodedBackImage[] = L"PngControl_DecodedBackImage";

}  // namespace tessellon::kit::property
