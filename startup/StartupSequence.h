#pragma once

namespace tessellon {

// The whole program: start-up in its fixed order, the splash, the message loop, and the end of
// the program. Returns only through the end of the program, which ends the process.
int RunProgram();

}  // namespace tessellon
