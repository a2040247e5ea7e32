#pragma once
#include "gray_field.hpp"
#include "perlin_noise.hpp"
#include "splash_timeline.hpp"

// Smoke density (0 = clear air, ~1 = thick) for one frame: an elliptical cloud
// whose outline and interior are shaped by domain-warped fractal noise.
GrayField smokeDensity(const SplashFrameParams& params, const PerlinNoise& noise);
