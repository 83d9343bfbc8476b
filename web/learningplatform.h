#pragma once

#include "commands.h"
#include "scorm.h"

// The SCORM run-time of the learning platform that launched the page, if there is one, found the
// standard way: in this window or one of its parents up to the top, then in its opener and the
// opener's parents; a 2004 run-time before a 1.2 one. It is told the results of every "PRUEBA"
// and, once, that the drill has ended. Where there is none nothing is called, and the page is as
// it always is. A call the platform refuses, or one that throws, changes nothing in the drill and
// is not made again.
class LearningPlatform {
public:
    // Finds the run-time and opens the session.
    LearningPlatform();
    LearningPlatform(const LearningPlatform &) = delete;
    LearningPlatform &operator=(const LearningPlatform &) = delete;

    // Whether a platform launched the page, its session ended or not.
    bool launched() const { return m_launched; }
    void report(const quiz::CheckResult &result);
    // The session's length, then the end of the session; nothing is called after it.
    void finish();

private:
    const scorm::RunTime *m_runTime = nullptr;
    bool m_launched = false;
    double m_started;
};
