#include "learningplatform.h"

#include "scorm.h"

#include <emscripten/em_js.h>
#include <emscripten/em_macros.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using emscripten::val;

// A property of a window, or undefined. A window of another origin (the page shown as a plain
// file in someone else's frame) throws where its properties are read; a C++ handler would not
// catch that, so the reading is the one line of script of the program's own.
EM_JS(emscripten::EM_VAL, windowProperty, (emscripten::EM_VAL window, const char *name), {
    try {
        return Emval.toHandle(Emval.toValue(window)[UTF8ToString(name)]);
    } catch (error) {
        return Emval.toHandle(undefined);
    }
});

namespace {

val property(const val &window, const char *name)
{
    return val::take_ownership(windowProperty(window.as_handle(), name));
}

// The nearest window.API from the given window up to the top.
val apiAbove(val window)
{
    for (int depth = 0; depth < 16 && !!window; ++depth) {
        if (val api = property(window, "API"); !!api)
            return api;
        val parent = property(window, "parent");
        if (!parent || parent.strictlyEquals(window))
            break;
        window = parent;
    }
    return val::undefined();
}

val findApi()
{
    const val window = val::global("window");
    val api = apiAbove(window);
    if (api.isUndefined())
        api = apiAbove(window["opener"]);
    return api;
}

double now()
{
    return val::global("performance").call<double>("now");
}

// The time of day, "HH:MM:SS", as the learner's clock has it.
std::string timeOfDay()
{
    const val date = val::global("Date").new_();
    char text[12];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", date.call<int>("getHours"),
                  date.call<int>("getMinutes"), date.call<int>("getSeconds"));
    return text;
}

} // namespace

LearningPlatform::LearningPlatform() : m_api(findApi()), m_started(now())
{
    call("LMSInitialize");
}

val LearningPlatform::call(const char *function, val argument, val value)
{
    if (m_api.isUndefined())
        return val::undefined();
    try {
        return value.isUndefined() ? m_api.call<val>(function, argument)
                                   : m_api.call<val>(function, argument, value);
    } catch (...) {
        return val::undefined();
    }
}

void LearningPlatform::checked(const form::CheckResult &result)
{
    if (m_api.isUndefined())
        return;
    const val counted = call("LMSGetValue", val("cmi.interactions._count"));
    const int count = counted.isString() ? std::atoi(counted.as<std::string>().c_str()) : 0;
    for (const form::scorm::Value &value : form::scorm::checkValues(result, count, timeOfDay()))
        call("LMSSetValue", val(value.element), val(value.value));
    call("LMSCommit");
}

void LearningPlatform::finish()
{
    if (m_api.isUndefined())
        return;
    call("LMSSetValue", val("cmi.core.session_time"),
         val(form::scorm::timespan(now() - m_started)));
    call("LMSFinish");
    m_api = val::undefined();
}
