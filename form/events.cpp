#include "events.h"

#include "runtimeerror.h"
#include "screenreader.h"

#include <exception>

namespace form {

void Form1Events::click(std::string_view control)
{
    for (const ClickEvent &event : clickEvents()) {
        if (event.control != control)
            continue;
        try {
            (this->*event.handler)();
        } catch (const std::exception &error) {
            endWithRuntimeError(runtimeErrorMessage(error.what()));
        } catch (...) {
            endWithRuntimeError(runtimeErrorMessage({}));
        }
        return;
    }
}

void Form1Events::Command1_Click()
{
    const quiz::CheckResult result = quiz::checkAnswers(*this);
    announce(checkedAnnouncement(result));
    answersChecked(result);
}

void Form1Events::Command2_Click()
{
    quiz::clearAnswers(*this);
    announce(std::string(clearedAnnouncement));
}

} // namespace form
