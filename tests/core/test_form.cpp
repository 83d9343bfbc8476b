#include "testing.h"

#include "events.h"
#include "standinwindow.h"
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

// After "PRUEBA" a screen reader hears the verdicts counted and the wrong boxes by number, after
// "BORRAR" that the boxes are empty.
TEST_CASE("announcements")
{
    const struct {
        const char *tag;
        std::size_t wrongFrom; // the boxes from this slot on hold something else
        std::string_view said;
    } cases[] = {
        {"all right", 11, "Comprobado: BIEN en 11 de 11."},
        {"one wrong", 10, "Comprobado: BIEN en 10 de 11. ERROR en la respuesta 11."},
        {"two wrong", 9, "Comprobado: BIEN en 9 de 11. ERROR en las respuestas 10 y 11."},
        {"all wrong, empty boxes", 0,
         "Comprobado: BIEN en 0 de 11. ERROR en las respuestas 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 y "
         "11."},
    };
    for (const auto &row : cases) {
        INFO(row.tag);
        StandInWindow window;
        for (std::size_t k = 0; k < quiz::answerKey.size(); ++k)
            window.boxes[std::string(quiz::answerKey[k].box)] =
                k < row.wrongFrom ? quiz::answerKey[k].expected : u"";
        window.click("Command1");
        window.click("Command2");
        CHECK(window.announcements ==
              std::vector<std::string>{std::string(row.said), "Respuestas borradas."});
        CHECK(window.results.size() == 1);
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
