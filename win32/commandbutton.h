#pragma once

#include "systemcolours.h"

// Draws a push button whose face has a colour of its own ("PRUEBA"), the way the system draws
// its standard buttons: raised, sunken while held down, a dotted rectangle when it has the focus.
void drawCommandButton(const DRAWITEMSTRUCT &item, const ColourBrush &face);
