#include "startup/StartupSequence.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return tessellon::RunProgram(); }
