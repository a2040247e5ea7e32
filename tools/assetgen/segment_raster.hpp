#pragma once
#include "gray_field.hpp"
#include "lightning_bolt.hpp"

#include <span>

// Draws anti-aliased round-capped strokes, keeping the brighter value where
// strokes overlap so joints in a bolt don't flare.
void drawSegments(GrayField& target, std::span<const BoltSegment> segments);
