#include "form1.h"

#include "dom.h"
#include "layouttable.h"
#include "learningplatform.h"
#include "pageparts.h"
#include "runtimeerror.h"
#include "tabcycle.h"

#include <emscripten/emscripten.h>

// The page's side of these is in glue.js.
extern "C" {
void keepForm(const char *id);
void bringBackForm(const char *id);
void showModal(const char *id);
}

namespace {

EM_JS(void, closeWindow, (), { window.close(); });

} // namespace

Form1::Form1(LearningPlatform &platform) : m_platform(platform)
{
    keepForm(std::string(form::formName).c_str());
}

void Form1::restart()
{
    m_ended = false;
    bringBackForm(std::string(form::formName).c_str());
    dom::setHidden(page::ended, true);
    dom::setHidden(page::frame, false);
    dom::setHidden(page::turnHint, false);
    constexpr std::string_view first = form::firstFocus().name;
    dom::focus(first);
    dom::setState(page::state::ready);
}

std::u16string Form1::text(std::string_view box) const
{
    return dom::value(answerBox(box));
}

void Form1::setText(std::string_view box, std::u16string_view text)
{
    dom::setValue(answerBox(box), text);
}

std::string_view Form1::answerBox(std::string_view name)
{
    if (!dom::holds(form::formName, name))
        form::throwMissingControl(name);
    return name;
}

void Form1::endProgram()
{
    if (m_ended)
        return;
    closeWindow();
    m_ended = true;
    m_platform.finish();
    dom::setHidden(page::frame, true);
    dom::setHidden(page::turnHint, true);
    dom::setHidden(page::ended, false);
    // The platform's session has ended, and SCORM has no second one in a launch: the platform
    // starts the next attempt, not the page.
    const bool again = !m_platform.launched();
    dom::setHidden(page::again, !again);
    dom::focus(again ? page::again : page::ended);
    dom::setState(page::state::ended);
}

void Form1::endWithRuntimeError(const std::string &message)
{
    dom::setText(page::report, message);
    showModal(std::string(page::runtimeError).c_str());
}

void Form1::announce(const std::string &text)
{
    // Screen readers may drop a text the same as the one before: it differs by a no-break space.
    const bool again = dom::text(page::announcement) == text;
    dom::setText(page::announcement, again ? text + "\u00A0" : text);
}

void Form1::answersChecked(const quiz::CheckResult &result)
{
    m_platform.report(result);
}
