#pragma once
#include "pixel_map.hpp"

// The 32x32 pictures of the calculator's four picture buttons.
PixelMap helpButtonArt();      // a handshake: an orange hand and a peach hand
PixelMap contactButtonArt();   // a penguin with a red scarf and yellow feet
PixelMap clearButtonArt();     // a yellow lightning bolt
PixelMap calculateButtonArt(); // a soldier in a green helmet and uniform, walking
