#pragma once

#include <string>
#include <string_view>

// The form as the page holds it from its first byte, written from the layout table: its elements,
// the page's own parts around it, and the rules that place, colour and size every one of them.
namespace markup {

// The table's texts are fixed, but they still go into HTML as text, never as markup.
std::string escaped(std::string_view text);

// The drill: its heading, the frame with the form in it, its controls in the table's order,
// containers holding their children; then the hint to turn a phone, the view once the drill has
// ended, the run-time error's report, all but the form hidden; last, the live region.
std::string body(std::string_view heading);

// One rule for the form and one for each control: place, size, colour, font, text alignment and
// stacking.
std::string styles();

} // namespace markup
