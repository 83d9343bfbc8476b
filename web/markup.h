#pragma once

#include <string>
#include <string_view>

// The form as the page writes it in one go, from the layout table: its elements as HTML, and a
// stylesheet that places and colours each of them, which the build puts into the page. Crossing
// from the program into the page element by element, property by property, would cost more than the
// page's own parsing.
namespace markup {

// A length in CSS pixels, "12px".
std::string pixels(int value);
// One whole declaration, "width:12px;".
std::string declaration(std::string_view property, std::string_view value);

// The controls of the form, containers holding their children, in the table's order.
std::string controls();

// One rule for the form and one for each control: place, size, colour, font, text alignment,
// stacking, faces. Written into the page when it is built.
std::string styles();

} // namespace markup
