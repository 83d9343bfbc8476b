#pragma once

#include "kinds.h"

#include <string_view>
#include <vector>

namespace form {

// The controls that take the focus, by tab index. Tab passes over the others although they
// have tab indices.
std::vector<const ControlSpec *> tabCycle();

// Where the focus is when the window shows: "PRUEBA", tab index 0.
constexpr const ControlSpec &firstFocus()
{
    const ControlSpec *first = nullptr;
    for (const ControlSpec &spec : controls)
        if (traits(spec.kind).takesFocus && (!first || spec.tabIndex < first->tabIndex))
            first = &spec;
    return *first;
}

// Where Tab (forward) or Shift+Tab leads from the named control; the cycle wraps around. From a
// control outside the cycle it leads to the first control, or with Shift+Tab to the last.
const ControlSpec &nextInTabCycle(std::string_view from, bool forward);

} // namespace form
