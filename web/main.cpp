// The page's start-up: the form, the events the page reacts to, and the view after the form has
// ended ("Salir" cannot always close a browser tab).
#include "form1.h"

#include <emscripten/bind.h>

#include <optional>

using emscripten::val;

namespace {

val document()
{
    return val::global("document");
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
        m_form.emplace(document()["body"], [this] { showEnded(); });
        setState("ready");
    }
    Form1 &form() { return *m_form; }

private:
    // The form is gone: say so, and offer to start the drill again.
    void showEnded()
    {
        val body = document()["body"];
        m_ended = document().call<val>("createElement", val("div"));
        m_ended.set("id", val("ended"));
        val said = document().call<val>("createElement", val("p"));
        said.set("textContent", val("Programa terminado."));
        val again = document().call<val>("createElement", val("button"));
        again.set("type", val("button"));
        again.set("textContent", val("Empezar de nuevo"));
        again.call<void>("addEventListener", val("click"), val::module_property("restart"));
        m_ended.call<void>("append", said, again);
        body.call<void>("append", m_ended);
        again.call<void>("focus");
        setState("ended");
    }

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
    emscripten::function("restart", &restart);
    emscripten::function("closeDialog", &closeDialog);
    emscripten::function("runtimeErrorClosed", &runtimeErrorClosed);
}

int main()
{
    page().start();
    val::global("window").call<void>("addEventListener", val("resize"),
                                     val::module_property("resized"));
}
