#pragma once
#include "pcm_sound.hpp"

// The picture buttons' click: 1,287 stereo frames at 22,050 Hz (about 58 ms) holding
// two short, fading bursts of noise, the second one a little softer, about 26 ms apart.
// Seeded noise, so every run gives the same samples.
inline constexpr int kClickSampleRate = 22050;
inline constexpr int kClickChannels = 2;
inline constexpr int kClickFrameCount = 1287;

PcmSound synthesiseClickSound();
