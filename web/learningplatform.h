#pragma once

#include "checkresult.h"

#include <emscripten/val.h>

// The SCORM 1.2 run-time of the learning platform that launched the page, if there is one: found
// the standard way, as window.API in this window or one of its parents up to the top, then in
// its opener and the opener's parents. It is told the results of every "PRUEBA" and, once, that
// the drill has ended. Where there is none nothing is called, and the page is as it always is.
// A call the platform refuses changes nothing in the drill.
class LearningPlatform {
public:
    // Finds the run-time and opens the session.
    LearningPlatform();
    LearningPlatform(const LearningPlatform &) = delete;
    LearningPlatform &operator=(const LearningPlatform &) = delete;

    void checked(const form::CheckResult &result);
    // The session's length, then the end of the session; nothing is called after it.
    void finish();

private:
    // Calls the run-time; a platform that throws is a platform that refused.
    emscripten::val call(const char *function, emscripten::val argument = emscripten::val(""),
                         emscripten::val value = emscripten::val::undefined());

    emscripten::val m_api;
    double m_started;
};
