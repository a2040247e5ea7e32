#pragma once
#include "vec2.hpp"

constexpr int kSplashWidth = 495;
constexpr int kSplashHeight = 331;
constexpr int kSplashFrameCount = 35;

// Everything that changes over the splash animation, for one frame.
struct SplashFrameParams {
    int frameNumber = 1;        // 1-based
    float time = 0.0f;          // drives the noise evolution
    Vec2 centre;                // middle of the cloud
    double radiusX = 0.0;
    double radiusY = 0.0;
    float opacity = 1.0f;       // overall smoke thickness
    float detail = 1.0f;        // 1 = crisp wisps, 0 = shapeless smudge
    float smear = 0.0f;         // extra blur (px) as the cloud dissolves
    float haze = 0.0f;          // thin smoke drifting around the cloud while it spreads
    float blueTint = 0.0f;      // bluish cast of the young puff
    int innerBolts = 0;         // thin lightning inside the cloud
    float innerBrightness = 0.0f;
    int discharges = 0;         // big bolts bursting out of the top
    float dischargeBrightness = 0.0f;
    float afterglow = 0.0f;     // diffuse light left in the cloud
};

SplashFrameParams splashFrameParams(int frameNumber);
