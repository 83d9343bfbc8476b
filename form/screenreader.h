#pragma once

#include "commands.h"
#include "layouttable.h"

#include <string>
#include <string_view>

// What a screen reader hears, in UTF-8: what each control is, and what a command did. Nothing it
// hears names a component or gives an answer away: an answer box is heard by its place in the key
// ("Respuesta 3 de 11"), wherever it is named.
namespace form {

// A picture box that holds answer boxes is a group of them; the one that holds none, the word
// list, an image that reads its words.
enum class Role { Text, Button, Label, Group, Image };

struct Identity {
    Role role;
    std::string name;
    std::string description;
};

Identity identity(const ControlSpec &spec);

// After "PRUEBA": "Comprobado: BIEN en 8 de 11. ERROR en las respuestas 1, 4 y 9." The focus
// stays on the button, so a blind learner would otherwise not hear what the boxes now show.
std::string checkedAnnouncement(const quiz::CheckResult &result);
inline constexpr std::string_view clearedAnnouncement = "Respuestas borradas.";

} // namespace form
