#pragma once

#include <windows.h>

// The whole program: builds Form1 and shows it, then runs the thread's message loop until the
// window is gone. Returns the exit status the window left: 0, or 1 after a run-time error. A
// window that cannot be made is reported as a run-time error too, and the status is 1.
int runProgram(HINSTANCE instance, int showCommand);
