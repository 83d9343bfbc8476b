#pragma once

#include "layouttable.h"

#include <QFont>

// "MS Sans Serif" where it is installed, else the nearest sans-serif face. Sizes are set in
// pixels at 96 dpi so that text keeps its size relative to the controls at any scale factor.
QFont controlFont(const layout::FontSpec &spec);
