#pragma once

#include "layouttable.h"

#include <string>

namespace form {

// What a screen reader says for a control, in UTF-8. Answer boxes and picture boxes tell where
// they stand without naming a component, so that listening does not give the answers away;
// buttons and labels are read by their own texts, and the word list by the names it shows.
std::string screenReaderName(const ControlSpec &spec);
std::string screenReaderDescription(const ControlSpec &spec);

// What a screen reader calls a control: a picture box that holds answer boxes is a group of
// them, the one that holds none (the word list) an image; that is how the word list is known.
enum class Role { Text, Button, Label, Group, Image };
Role screenReaderRole(const ControlSpec &spec);

} // namespace form
