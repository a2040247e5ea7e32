// A library that exists only beside the test programs, for binding routines by name.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI ProbeAnswer() { return 42; }
