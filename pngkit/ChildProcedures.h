#pragma once
// The window procedures the kit puts in front of its buttons and edit boxes: they note what
// changed, recompose the parent's picture and pass every message on to the control's own
// procedure, saved in "PngControl_ChildWndProc".
#include <windows.h>

namespace tessellon::kit {

// Follows the mouse, presses and enabling into "Nimbar_DrawState" before the button sees the
// message.
LRESULT CALLBACK ButtonChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

// Lets the edit box handle the message first, so a recomposed picture shows the new text; keeps
// the kit's focus state for the caret line.
LRESULT CALLBACK EditChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

// Reinstates procedures left in "PngControl_WndProc", hooks marked buttons and edit boxes not
// hooked yet (hooking is one-way) and recomposes the window.
void RehookChildren(HWND window);

}  // namespace tessellon::kit
