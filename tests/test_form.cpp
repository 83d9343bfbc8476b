#include "testing.h"

#include "events.h"
#include "runtimeerror.h"
#include "tabcycle.h"

#include <stdexcept>
#include <vector>

// Tab visits boxes and buttons only, Text7 before Text3, and wraps around both ways; from a
// control outside the cycle (a label, the form itself) it starts at either end.
TEST_CASE("tab cycle")
{
    const std::vector<std::string_view> expected = {
        "Command1", "Command2", "Command3", "Text1", "Text7",  "Text3",  "Text4",
        "Text5",    "Text6",    "Text8",    "Text9", "Text10", "Text11", "Text12"};
    std::vector<std::string_view> cycle;
    for (const form::ControlSpec *spec : form::tabCycle())
        cycle.push_back(spec->name);
    CHECK(cycle == expected);
    CHECK(form::nextInTabCycle("Text12", true).name == "Command1");
    CHECK(form::nextInTabCycle("Command1", false).name == "Text12");
    CHECK(form::nextInTabCycle("Text1", true).name == "Text7");
    CHECK(form::nextInTabCycle("Text3", false).name == "Text7");
    CHECK(form::nextInTabCycle("Label1", true).name == "Command1");
    CHECK(form::nextInTabCycle("", false).name == "Text12");
}

namespace {

// A window whose boxes all fail with what it is told to throw; it keeps the reports it shows.
template <typename Error> struct FailingForm : form::Form1Events {
    Error error;
    std::vector<std::string> reports;
    bool ended = false;

    explicit FailingForm(Error thrown) : error(thrown) {}
    std::u16string text(std::string_view) const override { throw error; }
    void setText(std::string_view, std::u16string_view) override { throw error; }
    void endProgram() override { ended = true; }
    void endWithRuntimeError(const std::string &message) override { reports.push_back(message); }
};

} // namespace

// An error raised by a button's handler, of whatever type, is reported once in Spanish and goes
// no further; a control without a handler runs nothing.
TEST_CASE("run-time errors")
{
    const std::string heading = "Se ha producido un error en tiempo de ejecución.";
    FailingForm missing(std::runtime_error(""));
    try {
        form::throwMissingControl("Text5");
    } catch (const std::runtime_error &error) {
        missing.error = error;
    }
    missing.click("Command1");
    CHECK(missing.reports ==
          std::vector<std::string>{heading + "\n\nNo se encuentra el control Text5."});

    FailingForm strange(42);
    strange.click("Command2");
    CHECK(strange.reports == std::vector<std::string>{heading});

    strange.click("Text3");
    strange.click("Label1");
    CHECK(strange.reports.size() == 1);
    CHECK(!strange.ended);
    strange.click("Command3");
    CHECK(strange.ended);
}
