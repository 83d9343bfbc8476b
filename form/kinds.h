#pragma once

#include "layouttable.h"

#include <array>
#include <string_view>

namespace form {

// What every control of a kind is, whichever toolkit draws it.
struct KindTraits {
    Kind kind;
    std::string_view name; // the kind's name, "TextBox"; the page's class of its controls
    bool takesFocus;       // Tab stops on it; labels never take the focus, and a picture box holds
                           // nothing to act on itself
    bool centredText;      // its text is centred horizontally
    bool sunkenBorder;     // a sunken 3-D border, 2 pixels at 96 dpi; a picture box's children and
                           // picture lie inside it
    bool unlimitedText;    // it takes text of any length
    bool beneath;          // it belongs to the window's own surface, beneath every other control
    bool enterClicks;      // Enter clicks it when it has the focus, as Space does: the window has
                           // no default button to take Enter
};

inline constexpr std::array<KindTraits, 4> kindTraits{{
    // clang-format off
    {Kind::PictureBox,    "PictureBox",    false, false, true,  false, false, false},
    {Kind::TextBox,       "TextBox",       true,  true,  true,  true,  false, false},
    {Kind::CommandButton, "CommandButton", true,  true,  false, false, false, true},
    {Kind::Label,         "Label",         false, true,  false, false, true,  false},
    // clang-format on
}};

// The table is read by a kind's value: its rows follow the kinds.
constexpr bool rowsFollowKinds()
{
    for (std::size_t k = 0; k < kindTraits.size(); ++k)
        if (kindTraits[k].kind != Kind(k))
            return false;
    return true;
}
static_assert(rowsFollowKinds());

constexpr const KindTraits &traits(Kind kind)
{
    return kindTraits[std::size_t(kind)];
}

} // namespace form
