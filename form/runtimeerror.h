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

// Raised when the window has no control of that name, as its run-time error description.
[[noreturn]] void throwMissingControl(std::string_view name);
// Raised when a control refuses a new text.
[[noreturn]] void throwFailedWrite(std::string_view name);
// Raised when the window system refuses to make the window's class, the window or a control.
[[noreturn]] void throwFailedClass();
[[noreturn]] void throwFailedWindow(std::string_view name);
[[noreturn]] void throwFailedControl(std::string_view name);

} // namespace form
