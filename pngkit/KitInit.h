#pragma once
#include <windows.h>

namespace tessellon::kit {

// Starts GDI+ (never shut down: it stays up until the process ends), parses the time frame
// dimension the kit selects animation frames in and registers the loading-dialog window class.
// Runs once, before any window is loaded.
void InitKit();
void StartGdiplus();

// The time frame dimension, or nullptr before InitKit and after ReleaseKitState. Its bytes are
// all zero when the identifier could not be parsed.
const GUID* FrameDimensionTime();

// Frees what InitKit made that the exit path gives back (GDI+ itself stays started).
void ReleaseKitState();

}  // namespace tessellon::kit
