#pragma once
#include "gray_field.hpp"

// Gaussian blur approximated by three box passes; space outside the raster is empty.
GrayField gaussianBlurred(const GrayField& source, float sigma);
