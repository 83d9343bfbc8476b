#pragma once

#include "version.h"

#include <string>
#include <string_view>

namespace form {

// The standard report of an error raised inside a button handler, after which the program
// ends with status 1. UTF-8.
inline constexpr std::string_view runtimeErrorTitle = KORVAL_PROGRAM;
inline constexpr int runtimeErrorStatus = 1;
std::string runtimeErrorMessage(std::string_view description);

// The errors the front-ends raise, each with its description in Spanish.
[[noreturn]] void throwMissingControl(std::string_view name);
[[noreturn]] void throwFailedWrite(std::string_view name);
[[noreturn]] void throwFailedClass();
[[noreturn]] void throwFailedWindow(std::string_view name);
[[noreturn]] void throwFailedControl(std::string_view name);

} // namespace form
