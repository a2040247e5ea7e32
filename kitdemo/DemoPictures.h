#pragma once
// The kit demo's pictures, drawn in code: the panel behind everything, a patch of floor tiles and
// the four looks of a button.
#include "pngkit/GdiplusFlat.h"

#include <string_view>

namespace tessellon::kitdemo {

inline constexpr int kPanelWidth = 440;
inline constexpr int kPanelHeight = 250;

// The window's back image: a rounded panel with transparent corners, a title, the current
// placement of the picture and a line of help.
kit::ImagePtr MakePanelPicture(std::wstring_view placementName);

// A patch of 48 x 32 floor tiles, larger than the picture child so that each placement shows.
kit::ImagePtr MakeTilePicture();

enum class ButtonLook { Normal, Over, Down, Disabled };
kit::ImagePtr MakeButtonPicture(ButtonLook look, int width, int height, std::wstring_view label);

// A face that has the glyphs the demo shows (Latin and Chinese), for GDI+ and for the edit box.
const wchar_t* DemoFontFace();

}  // namespace tessellon::kitdemo
