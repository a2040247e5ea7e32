#pragma once
#include "rgba_image.hpp"

// Tessellon's icon at one pixel size: an isometric floor slab laid with tiles,
// struck by a lightning bolt.
RgbaImage renderIcon(int size);
