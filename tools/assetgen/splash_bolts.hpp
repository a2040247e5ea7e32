#pragma once
#include "lightning_bolt.hpp"
#include "splash_timeline.hpp"

#include <vector>

// All lightning strokes of one frame: thin crackles inside the cloud and,
// during the climax, big discharges shooting up out of its top.
std::vector<BoltSegment> splashBolts(const SplashFrameParams& params);
