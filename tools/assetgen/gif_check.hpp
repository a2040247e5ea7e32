#pragma once
#include "indexed_picture.hpp"

#include <string>

// Decodes a written button picture and checks what its consumers rely on: a GIF89a with
// a logical screen the size of the picture, exactly one full-screen image, a
// graphic-control extension whose transparent index is the top-left pixel's index, no
// visible pixel that shares the transparent pixel's colour (consumers that key out the
// top-left pixel's colour would punch holes there), and the pixels that were meant.
// Throws std::runtime_error naming the first fault.
void checkButtonGif(const std::string& path, const IndexedPicture& expected);
