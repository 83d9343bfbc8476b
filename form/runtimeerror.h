#pragma once

#include "version.h"

#include <string>
#include <string_view>

namespace form {

// The standard report of an error raised inside a button handler, after which the program
// ends. UTF-8.
inline constexpr std::string_view runtimeErrorTitle = KORVAL_PROGRAM;
inline constexpr int runtimeErrorStatus = 1;
std::string runtimeErrorMessage(std::string_view description);

// The errors the front-ends raise, each with its description in Spanish.
[[noreturn]] void throwMissingControl(std::string_view name);
[[noreturn]] void throwTextNotWritten(std::string_view name);
[[noreturn]] void throwWindowClassNotMade();
[[noreturn]] void throwWindowNotMade(std::string_view name);
[[noreturn]] void throwControlNotMade(std::string_view name);

} // namespace form
