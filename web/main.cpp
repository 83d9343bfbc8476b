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

// Every click in the drill, the run-time error report's closing and the page's going away come to
// the program from now on; the clicks the page kept while the program was on its way, once it is
// ready.
EM_JS(void, wire, (const char *drill, const char *report), {
    Module.clicked = function(id)
    {
        const top = stackSave();
        _clicked(allocateUTF8OnStack(id));
        stackRestore(top);
    };
    document.getElementById(UTF8ToString(drill))
        .addEventListener(
            "click", function(event) { Module.clicked(event.target.id); });
    document.getElementById(UTF8ToString(report))
        .addEventListener(
            "close", function() { _reportRead(); });
    addEventListener(
        "pagehide", function() { _pageHidden(); });
    Module.earlyClicks = window.earlyClicks || [];
    window.earlyClicks = null;
});

EM_JS(void, runEarlyClicks, (), { Module.earlyClicks.forEach(Module.clicked); });

EM_JS(void, closeReport, (const char *id), {
    const dialog = document.getElementById(UTF8ToString(id));
    if (dialog.close) {
        dialog.close();
    } else {
        dialog.removeAttribute("open");
        dialog.dispatchEvent(new Event("close"));
    }
});

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
    dom::setState("ready");
    runEarlyClicks();
}
