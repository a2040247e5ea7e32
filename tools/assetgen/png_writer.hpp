#pragma once
#include "rgba_image.hpp"

#include <string>

// Writes 8-bit RGBA (colour type 6), non-interlaced, maximum zlib compression.
// Throws std::runtime_error on failure.
void writePng(const std::string& path, const RgbaImage& image);
