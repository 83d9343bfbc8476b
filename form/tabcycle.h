#pragma once

#include "layouttable.h"

#include <string_view>
#include <vector>

namespace form {

// Answer boxes and buttons take the keyboard focus. Labels never do, and the picture boxes hold
// nothing to act on, so Tab passes over both although they have tab indices.
constexpr bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton;
}

// The controls that take the focus, by tab index.
std::vector<const ControlSpec *> tabCycle();

// Where Tab (forward) or Shift+Tab leads from the named control; the cycle wraps around. From a
// control outside the cycle it leads to the first control, or with Shift+Tab to the last.
const ControlSpec &nextInTabCycle(std::string_view from, bool forward);

} // namespace form
