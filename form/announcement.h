#pragma once

#include "checkresult.h"

#include <string>
#include <string_view>

namespace form {

// What a screen reader hears after "PRUEBA" and "BORRAR", in UTF-8. The focus stays on the
// button, so a blind learner would otherwise hear nothing of what the command wrote. It says only
// what the boxes show, by their numbers in "Respuesta N de 11", and gives no answer away.
std::string checkedAnnouncement(const CheckResult &result);
inline constexpr std::string_view clearedAnnouncement = "Respuestas borradas.";

} // namespace form
