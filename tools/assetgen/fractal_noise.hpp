#pragma once
#include "perlin_noise.hpp"

// Fractal sums of gradient noise. Each octave is rotated and offset so the
// lattice never lines up between octaves (that shows as grid streaks in smoke).

// Signed sum, normalised by total amplitude; typically within about [-0.6, 0.6].
float fbm(const PerlinNoise& noise, float x, float y, float z, int octaves, float gain = 0.5f);

// Sum of absolute values: creased, billowing look; typically within [0, 0.6].
float turbulence(const PerlinNoise& noise, float x, float y, float z, int octaves, float gain = 0.5f);
