#include "events.h"

#include "announcement.h"
#include "runtimeerror.h"

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
    CheckResult result;
    quiz::checkAnswers(
        *this, [&result](const quiz::AnswerSlot &slot, std::u16string_view typed,
                         std::u16string_view verdict) { result.record(slot, typed, verdict); });
    announce(checkedAnnouncement(result));
    checked(result);
}

void Form1Events::Command2_Click()
{
    quiz::clearAnswers(*this);
    announce(std::string(clearedAnnouncement));
}

} // namespace form
