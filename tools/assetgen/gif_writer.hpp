#pragma once
#include "indexed_picture.hpp"

#include <string>

// Writes a GIF89a holding the picture as its single image, with a graphic-control
// extension naming the picture's transparent index. Throws std::runtime_error on failure.
void writeGif(const std::string& path, const IndexedPicture& picture);
