#pragma once

#include <windows.h>

// A function of a library, looked up at run time; nullptr where the library or the function is
// missing. What the program needs only on some systems, or only once asked for, stays out of its
// imports this way.
template <typename Function> Function *lookUp(HMODULE library, const char *name)
{
    return reinterpret_cast<Function *>(
        reinterpret_cast<void (*)()>(library ? GetProcAddress(library, name) : nullptr));
}
