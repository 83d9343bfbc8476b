#pragma once

#include <windows.h>

#include <string_view>

// Gives a control the core's screen-reader name and description: it answers WM_GETOBJECT with
// an accessible object of its own that is the system's standard object for the control in every
// other respect. Every client takes this road, MSAA and the UI Automation proxy alike, so that an
// answer box is read as "Respuesta 1 de 11" and not by whatever text lies near it. oleacc, and
// COM with it, is loaded when a client first asks, not before the window shows.
void giveAccessibleName(HWND control, std::string_view name, std::string_view description);
