#pragma once

#include "layouttable.h"

#include <QFont>

// The first of the table's font families that is installed. Sizes are set in pixels at 96 dpi so
// that text keeps its size relative to the controls at any scale factor.
QFont controlFont(const form::FontSpec &spec, int pixelSize);
// At 96 dpi.
QFont controlFont(const form::FontSpec &spec);
