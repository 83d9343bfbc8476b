#include "testing.h"

#include "events.h"
#include "tabcycle.h"

#include <vector>

// Tab wraps around both ways and leads from Text1 to Text7 before Text3; from a control outside
// the cycle (a label, the form itself) it starts at either end. (The order as a whole is what the
// windows show: the Qt test walks it by keys, the real-window scenario steps through it.)
TEST_CASE("tab cycle")
{
    CHECK(form::nextInTabCycle("Text12", true).name == "Command1");
    CHECK(form::nextInTabCycle("Command1", false).name == "Text12");
    CHECK(form::nextInTabCycle("Text1", true).name == "Text7");
    CHECK(form::nextInTabCycle("Text3", false).name == "Text7");
    CHECK(form::nextInTabCycle("Label1", true).name == "Command1");
    CHECK(form::nextInTabCycle("", false).name == "Text12");
}

namespace {

// A window whose every box fails with an exception of no standard type; it keeps the reports it
// shows. (The report of a box gone missing, a standard exception, is each front-end's test's.)
struct FailingForm : form::Form1Events {
    std::vector<std::string> reports;
    bool ended = false;

    std::u16string text(std::string_view) const override { throw 42; }
    void setText(std::string_view, std::u16string_view) override { throw 42; }
    void endProgram() override { ended = true; }
    void endWithRuntimeError(const std::string &message) override { reports.push_back(message); }
};

} // namespace

// An error raised by a button's handler, of whatever type, is reported once in Spanish and goes
// no further; a control without a handler runs nothing.
TEST_CASE("run-time errors")
{
    FailingForm form;
    form.click("Command2");
    CHECK(form.reports ==
          std::vector<std::string>{"Se ha producido un error en tiempo de ejecución."});
    form.click("Text3");
    form.click("Label1");
    CHECK(form.reports.size() == 1);
    CHECK(!form.ended);
    form.click("Command3");
    CHECK(form.ended);
}
