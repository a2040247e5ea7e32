#pragma once
#include "rgba_image.hpp"

#include <string>
#include <vector>

// Writes a Windows .ico holding each image as a 32-bit BGRA bitmap with an AND
// mask, the form every Windows version understands. Images must be square, <= 256 px.
// Throws std::runtime_error on failure.
void writeIco(const std::string& path, const std::vector<RgbaImage>& images);
