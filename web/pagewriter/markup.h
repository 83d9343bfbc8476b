#pragma once

#include <string>
#include <string_view>

// The form as the page holds it from its first byte, written from the layout table: its elements,
// and the rules that place, colour and size every one of them. The page around it is its
// template's.
namespace markup {

// The table's texts are fixed, but they still go into HTML as text, never as markup.
std::string escaped(std::string_view text);

// The form with its controls in the table's order, containers holding their children.
std::string form();

// One rule for the form and one for each control: place, size, colour, font, text alignment and
// stacking.
std::string styles();

} // namespace markup
