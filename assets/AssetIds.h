#pragma once
// Resource ids of the stored assets; shared by the resource scripts and the lookups.
#define TESSELLON_FRAME_RESOURCE_BASE 100 /* frame n is resource 100 + n */

#define TESSELLON_PICTURE_HELP 201
#define TESSELLON_PICTURE_CONTACT 202
#define TESSELLON_PICTURE_CLEAR 203
#define TESSELLON_PICTURE_CALCULATE 204

#define TESSELLON_CLICK_SOUND 301 /* a WAVE resource */
