#pragma once

#include "geometry.h"
#include "kinds.h"
#include "screenreader.h"

#include <string>

namespace form {

// A control as a front-end makes it, resolved once from its row at a resolution: the front-end
// only maps this onto its toolkit's objects.
struct ResolvedControl {
    const ControlSpec &spec;  // its row: name, container, caption, font
    PixelRect rect;           // in its container's client area
    const KindTraits &traits; // what every control of its kind is
    Role role;                // what screen readers call it, and what they say of it (UTF-8)
    std::string name, description;
    std::uint32_t colour; // its colour value, fixed or system
    int fontPixels;       // its font's height in pixels (the em)
};

ResolvedControl resolve(const ControlSpec &spec, int dpi = designDpi);

} // namespace form
