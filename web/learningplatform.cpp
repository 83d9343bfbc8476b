#include "learningplatform.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

namespace {

// Keeps the run-time of that name for the calls to come; whether there is one. A window of another
// origin (the page shown as a plain file in someone else's frame) throws where its properties are
// read: it has none.
EM_JS(bool, findRunTime, (const char *name), {
    function property(window, key)
    {
        try {
            return window[key];
        } catch (error) {
            return undefined;
        }
    }
    function above(window)
    {
        for (let depth = 0; window && depth < 16; ++depth) {
            const found = property(window, UTF8ToString(name));
            if (found)
                return found;
            const parent = property(window, "parent");
            if (!parent || parent == window)
                break;
            window = parent;
        }
    }
    Module.runTime = above(window) || above(window.opener);
    return !!Module.runTime;
});

// Calls the run-time with a text or two; what it answers, as a number. A run-time that throws
// has refused.
EM_JS(double, callRunTime,
      (const char *name, const char *element, const char16_t *value, int valueBytes), {
          try {
              const said = value ? Module.runTime[UTF8ToString(name)](
                                       UTF8ToString(element), UTF16ToString(value, valueBytes))
                                 : Module.runTime[UTF8ToString(name)](UTF8ToString(element));
              return Number(said);
          } catch (error) {
              return NaN;
          }
      });

EM_JS(void, forgetRunTime, (), { Module.runTime = undefined; });

EM_JS(double, now, (), { return performance.now(); });

EM_JS(void, readClock, (int *fields), {
    const date = new Date();
    HEAP32.set(
        [
            date.getFullYear(), date.getMonth() + 1, date.getDate(), date.getHours(),
            date.getMinutes(), date.getSeconds()
        ],
        fields >> 2);
});

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
