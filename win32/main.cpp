#include "program.h"

// The program takes no command line: its arguments are never looked at.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    return runProgram(instance, showCommand);
}
