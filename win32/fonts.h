#pragma once

#include "handles.h"
#include "layouttable.h"

// "MS Sans Serif", which every Windows has, with the table's weight and slant, its em that many
// pixels high.
Font createFont(const form::FontSpec &spec, int pixelSize);
