#pragma once
// Resource ids of the stored assets; shared by the resource script and the lookups.
#define TESSELLON_FRAME_RESOURCE_BASE 100 /* frame n is resource 100 + n */
