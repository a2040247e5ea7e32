#pragma once
#include "perlin_noise.hpp"
#include "rgba_image.hpp"

// Renders one frame (1-based) of the start-up splash: smoke plus lightning,
// on a fully transparent background, straight alpha.
RgbaImage renderSplashFrame(int frameNumber, const PerlinNoise& noise);
