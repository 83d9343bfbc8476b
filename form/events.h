#pragma once

#include "commands.h"

#include <string_view>

namespace form {

// The window's event table: a click on each button runs one command, and nothing else has a
// handler. The windows of both front-ends are Form1Events, so the handlers and the table that
// finds them are written once.
class Form1Events : public quiz::Form {
public:
    using Handler = void (Form1Events::*)();

    // The handler of a click on that control; nullptr for a control without one.
    static Handler clickHandler(std::string_view control)
    {
        if (control == "Command1")
            return &Form1Events::Command1_Click;
        if (control == "Command2")
            return &Form1Events::Command2_Click;
        if (control == "Command3")
            return &Form1Events::Command3_Click;
        return nullptr;
    }

protected:
    void Command1_Click() { quiz::checkAnswers(*this); }
    void Command2_Click() { quiz::clearAnswers(*this); }
    void Command3_Click() { quiz::exitProgram(*this); }
};

} // namespace form
