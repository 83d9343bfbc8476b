#pragma once

#include "commands.h"

#include <array>
#include <string>
#include <string_view>

namespace form {

// The window's event table: a click on each button runs one command, and nothing else has a
// handler. The windows of every front-end are Form1Events, so the handlers, the table that finds
// them and the guard around them are written once.
class Form1Events : public quiz::Window {
public:
    using Handler = void (Form1Events::*)();
    struct ClickEvent {
        std::string_view control;
        Handler handler;
    };

    static constexpr std::array<ClickEvent, 3> clickEvents()
    {
        return {{
            {"Command1", &Form1Events::Command1_Click},
            {"Command2", &Form1Events::Command2_Click},
            {"Command3", &Form1Events::Command3_Click},
        }};
    }

    // For the layout table's checks.
    static constexpr bool handlesClicks(std::string_view control)
    {
        for (const ClickEvent &event : clickEvents())
            if (event.control == control)
                return true;
        return false;
    }

    // What the toolkit calls on a click. An error of any kind raised by the handler must not
    // travel through the toolkit's dispatch: it goes to endWithRuntimeError instead, and boxes
    // judged before it keep their verdicts.
    void click(std::string_view control);

protected:
    // Shows the standard run-time error report (UTF-8), then ends the program with
    // runtimeErrorStatus.
    virtual void endWithRuntimeError(const std::string &message) = 0;
    // Has screen readers say what a command did (UTF-8), politely and without moving the focus.
    virtual void announce(const std::string &text) = 0;
    // Hears what a "PRUEBA" found, after its announcement.
    virtual void answersChecked(const quiz::CheckResult &) {}

    void Command1_Click();
    void Command2_Click();
    void Command3_Click() { quiz::exitProgram(*this); }
};

} // namespace form
