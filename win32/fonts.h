#pragma once

#include "handles.h"
#include "layouttable.h"

// "MS Sans Serif", which every Windows has, at the table's size for that resolution.
Font createFont(const form::FontSpec &spec, int dpi);
