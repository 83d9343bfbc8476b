#pragma once

#include <windows.h>

// Resolutions: per monitor where the system tells them (Windows 10 1607 and later), else the
// system's one resolution. Looked up at run time, so that the program still starts on a Windows
// that lacks them.
int systemDpi();
int windowDpi(HWND window);

// The outer size of a window of that style whose client area is the form's at that resolution.
SIZE frameSize(DWORD style, int dpi);
