#pragma once

#include "commands.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What the drill tells the SCORM run-time of a learning platform that launched it: after every
// "PRUEBA" each box's answer, the score and the status; at the end, how long the session took.
// Never anything to resume from, and never the right answers: the drill keeps no state, and a
// learner could read them out of the run-time. SCORM 1.2 and 2004 say the same in words of their
// own.
namespace scorm {

enum class Version { Scorm12, Scorm2004 };

// A version's run-time: the property of a window that holds it, and its calls.
struct RunTime {
    Version version;
    std::string_view api;
    std::string_view initialize, terminate, getValue, setValue, commit;
};

inline constexpr RunTime scorm2004{Version::Scorm2004, "API_1484_11", "Initialize", "Terminate",
                                   "GetValue",         "SetValue",    "Commit"};
inline constexpr RunTime scorm12{Version::Scorm12, "API",         "LMSInitialize", "LMSFinish",
                                 "LMSGetValue",    "LMSSetValue", "LMSCommit"};
// The order to look for them in: a platform that offers both is told in 2004's words.
inline constexpr std::array<const RunTime *, 2> runTimes{&scorm2004, &scorm12};

// How many interactions the run-time already holds; the new ones are numbered on from there.
inline constexpr std::string_view interactionCount = "cmi.interactions._count";

struct Value {
    std::string element;
    std::u16string value;
};

// A moment on the learner's clock.
struct Moment {
    int year, month, day, hour, minute, second;
};

// In the order they are set: the eleven interactions, numbered on from the run-time's answer to
// interactionCount, then the score and the status.
std::vector<Value> checkValues(Version version, const quiz::CheckResult &result,
                               double interactionsHeld, const Moment &when);

// The session's length and how it ended, set once before the session ends.
std::vector<Value> endValues(Version version, double sessionMilliseconds);

} // namespace scorm
