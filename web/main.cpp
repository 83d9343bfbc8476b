// The program in the page: it finds the learning platform that may have launched the page, wires
// the page's clicks and its going away to the drill, then runs the clicks made while it was on
// its way.
#include "dom.h"
#include "form1.h"
#include "learningplatform.h"
#include "pageparts.h"
#include "tabcycle.h"

#include <emscripten/emscripten.h>

#include <string>

// The page's side of these is in glue.js.
extern "C" {
void wire(const char *drill, const char *report);
void runEarlyClicks();
void closeReport(const char *id);
}

namespace {

LearningPlatform &platform()
{
    static LearningPlatform one;
    return one;
}

Form1 &form1()
{
    static Form1 one(platform());
    return one;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void clicked(const char *id)
{
    const std::string_view control(id);
    if (control == page::again)
        form1().restart();
    else if (control == page::accept)
        closeReport(std::string(page::runtimeError).c_str());
    else
        form1().click(control);
}

// The run-time error has been read: the drill ends as after "Salir".
EMSCRIPTEN_KEEPALIVE void reportRead()
{
    form1().endProgram();
}

// The tab or the platform's frame is going away: the session ends with it.
EMSCRIPTEN_KEEPALIVE void pageHidden()
{
    platform().finish();
}

} // extern "C"

int main()
{
    form1();
    wire(std::string(page::drill).c_str(), std::string(page::runtimeError).c_str());
    // "PRUEBA" has the focus once the page is there, unless the learner has put it elsewhere.
    constexpr std::string_view first = form::firstFocus().name;
    dom::focusUnlessFocused(first);
    dom::setState(page::state::ready);
    runEarlyClicks();
}
