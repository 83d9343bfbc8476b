#pragma once

#include <string_view>

// The ids of the page's own parts, which the page writer gives them and the program finds them by;
// the controls' ids are their names in the layout table.
namespace page {

inline constexpr std::string_view drill = "drill";   // the page's main landmark, around it all
inline constexpr std::string_view frame = "frame";   // holds the form at its scaled size
inline constexpr std::string_view turnHint = "turn"; // asks to turn a phone held upright
inline constexpr std::string_view ended = "ended";   // stands in for the form once it has ended
inline constexpr std::string_view again = "again";   // starts the drill again
inline constexpr std::string_view runtimeError = "runtimeError"; // the run-time error's report
inline constexpr std::string_view report = "report";             // the report's text
inline constexpr std::string_view accept = "accept";             // closes the report
inline constexpr std::string_view announcement = "announcement"; // the live region

inline constexpr std::string_view parts[] = {drill,        frame,  turnHint, ended,       again,
                                             runtimeError, report, accept,   announcement};

// The page's states, in its root's data-state for anyone who waits on them.
namespace state {
inline constexpr std::string_view ready = "ready"; // the learner can work the form
inline constexpr std::string_view ended = "ended"; // the drill has ended
} // namespace state

} // namespace page
