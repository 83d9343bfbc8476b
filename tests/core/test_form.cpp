#include "testing.h"

#include "events.h"
#include "standinwindow.h"
#include "tabcycle.h"
#include "tables.h"

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

// What a screen reader hears after "PRUEBA" and "BORRAR", with the boxes right or empty.
TEST_CASE("announcements")
{
    for (const auto &row : table("said.txt")) {
        const std::string said = joined(row, 2);
        INFO(row[0], " ", row[1]);
        StandInWindow window;
        for (std::size_t k = 0; k < quiz::answerKey.size(); ++k)
            window.boxes[std::string(quiz::answerKey[k].box)] =
                row[1][k] == '+' ? quiz::answerKey[k].expected : u"";
        window.click(row[0]);
        CHECK(window.announcements == std::vector<std::string>{said});
        CHECK(window.results.size() == (row[0] == "Command1" ? 1U : 0U));
    }
}

// An error raised by a button's handler, of whatever type, is reported in Spanish and goes
// no further: nothing is announced or reported to a learning platform. A control without a
// handler runs nothing.
TEST_CASE("run-time errors")
{
    StandInWindow window;
    window.failing = true;
    window.click("Command1");
    window.click("Command2");
    CHECK(window.reports ==
          std::vector<std::string>(2, "Se ha producido un error en tiempo de ejecución."));
    window.click("Text3");
    window.click("Label1");
    CHECK(window.reports.size() == 2);
    CHECK(window.announcements.empty());
    CHECK(window.results.empty());
    CHECK(!window.ended);
    window.click("Command3");
    CHECK(window.ended);
}
