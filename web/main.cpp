// The page's start-up: the form, the learning platform that may have launched the page, the
// events the page reacts to, and the view after the form has ended ("Salir" cannot always close a
// browser tab).
#include "form1.h"
#include "learningplatform.h"

#include <emscripten/bind.h>

#include <optional>

using emscripten::val;

namespace {

val document()
{
    return val::global("document");
}

// Where the drill lives in the page: its main landmark.
val drill()
{
    return document().call<val>("getElementById", val("drill"));
}

// Where the page's state shows, for anyone who waits on it: "ready", then "ended".
void setState(const char *state)
{
    document()["documentElement"]["dataset"].set("state", val(state));
}

class Page {
public:
    void start()
    {
        m_ended.call<void>("remove");
        m_form.emplace(
            drill(), [this] { showEnded(); },
            [this](const form::CheckResult &result) { m_platform.checked(result); });
        setState("ready");
    }
    Form1 &form() { return *m_form; }
    LearningPlatform &platform() { return m_platform; }

private:
    // The form is gone: say so, and offer to start the drill again. The platform's session
    // has ended with it.
    void showEnded()
    {
        m_platform.finish();
        m_ended = document().call<val>("createElement", val("div"));
        m_ended.set("id", val("ended"));
        val said = document().call<val>("createElement", val("p"));
        said.set("textContent", val("Programa terminado."));
        val again = document().call<val>("createElement", val("button"));
        again.set("type", val("button"));
        again.set("textContent", val("Empezar de nuevo"));
        again.call<void>("addEventListener", val("click"), val::module_property("restart"));
        m_ended.call<void>("append", said, again);
        drill().call<void>("append", m_ended);
        again.call<void>("focus");
        setState("ended");
    }

    LearningPlatform m_platform;
    std::optional<Form1> m_form;
    val m_ended = document().call<val>("createElement", val("div"));
};

Page &page()
{
    static Page one;
    return one;
}

void clicked(val event)
{
    page().form().click(event["target"]["id"].as<std::string>());
}

void resized(val)
{
    page().form().fit();
}

// The tab or the platform's frame is going away: the session ends with it.
void pageHidden(val)
{
    page().platform().finish();
}

void restart(val)
{
    page().start();
}

void closeDialog(val event)
{
    event["currentTarget"].call<val>("closest", val("dialog")).call<void>("close");
}

// The run-time error has been read: the drill ends as after "Salir".
void runtimeErrorClosed(val event)
{
    event["currentTarget"].call<void>("remove");
    page().form().endProgram();
}

} // namespace

EMSCRIPTEN_BINDINGS(korval2)
{
    emscripten::function("clicked", &clicked);
    emscripten::function("resized", &resized);
    emscripten::function("pageHidden", &pageHidden);
    emscripten::function("restart", &restart);
    emscripten::function("closeDialog", &closeDialog);
    emscripten::function("runtimeErrorClosed", &runtimeErrorClosed);
}

int main()
{
    page().start();
    const val window = val::global("window");
    window.call<void>("addEventListener", val("resize"), val::module_property("resized"));
    window.call<void>("addEventListener", val("pagehide"), val::module_property("pageHidden"));
}
