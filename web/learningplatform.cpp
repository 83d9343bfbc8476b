#include "learningplatform.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

// The page's side of these is in glue.js.
extern "C" {
bool findRunTime(const char *name);
double callRunTime(const char *name, const char *element, const char16_t *value, int valueBytes);
void readClock(int *fields);
}

namespace {

EM_JS(void, forgetRunTime, (), { Module.runTime = undefined; });

EM_JS(double, now, (), { return performance.now(); });

double call(std::string_view function, const std::string &element = {},
            const std::u16string *value = nullptr)
{
    return callRunTime(std::string(function).c_str(), element.c_str(),
                       value ? value->c_str() : nullptr,
                       value ? int(value->size() * sizeof(char16_t)) : 0);
}

void set(const scorm::RunTime &runTime, const std::vector<scorm::Value> &values)
{
    for (const scorm::Value &value : values)
        call(runTime.setValue, value.element, &value.value);
}

} // namespace

LearningPlatform::LearningPlatform() : m_started(now())
{
    for (const scorm::RunTime *runTime : scorm::runTimes)
        if (findRunTime(std::string(runTime->api).c_str())) {
            m_runTime = runTime;
            m_launched = true;
            call(runTime->initialize);
            return;
        }
}

void LearningPlatform::report(const quiz::CheckResult &result)
{
    if (!m_runTime)
        return;
    const double held = call(m_runTime->getValue, std::string(scorm::interactionCount));
    int clock[6];
    readClock(clock);
    const scorm::Moment when{clock[0], clock[1], clock[2], clock[3], clock[4], clock[5]};
    set(*m_runTime, scorm::checkValues(m_runTime->version, result, held, when));
    call(m_runTime->commit);
}

void LearningPlatform::finish()
{
    if (!m_runTime)
        return;
    set(*m_runTime, scorm::endValues(m_runTime->version, now() - m_started));
    call(m_runTime->terminate);
    m_runTime = nullptr;
    forgetRunTime();
}
