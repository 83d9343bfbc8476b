#pragma once

#include "checkresult.h"

#include <string>
#include <string_view>
#include <vector>

// What the drill tells the SCORM 1.2 run-time of a learning platform that launched it: after
// every "PRUEBA" each box's answer, the score and the status; at the end, the session's length.
// Never anything to resume from: the drill keeps no state.
namespace form::scorm {

struct Value {
    std::string element;
    std::u16string value;
};

// In the order they are set: the eleven interactions, numbered on from the count the run-time
// already holds, each at the given time of day ("HH:MM:SS"), then the score and the status.
std::vector<Value> checkValues(const CheckResult &result, int interactionCount,
                               std::string_view timeOfDay);

// A length of time as SCORM 1.2 writes it, "HHHH:MM:SS.SS".
std::string timespan(double milliseconds);

} // namespace form::scorm
