#pragma once

#include <string>
#include <string_view>

// The few things the program does to the page, which holds every element from its first byte:
// find one by its id, read and write what it holds, show, hide and focus it. UTF-8 throughout,
// but for the answer boxes' text, which is UTF-16 as the browser keeps it.
namespace dom {

bool holds(std::string_view within, std::string_view id);

std::u16string value(std::string_view id);
void setValue(std::string_view id, std::u16string_view text);

std::string text(std::string_view id);
void setText(std::string_view id, std::string_view text);

void setHidden(std::string_view id, bool hidden);
void focus(std::string_view id);
// Unless the learner has already put the focus somewhere.
void focusUnlessFocused(std::string_view id);

// Where the page's state (page::state) shows, for anyone who waits on it.
void setState(std::string_view state);

} // namespace dom
