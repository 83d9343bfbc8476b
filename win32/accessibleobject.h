#pragma once

#include "screenreader.h"

#include <windows.h>

// Gives a control of the window the core's screen-reader name, description and role: it answers
// WM_GETOBJECT with an accessible object of its own that is the system's standard object for the
// control in every other respect. Every client takes this road, MSAA and the UI Automation proxy
// alike, so that an answer box is read as "Respuesta 1 de 11" and not by whatever text lies near
// it. The identity must live as long as the control.
void giveAccessibleIdentity(HWND control, const form::Identity &identity);
