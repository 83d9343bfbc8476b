#include "commands.h"

namespace quiz {

void checkAnswers(Form &form, const Judged &judged)
{
    for (const AnswerSlot &slot : answerKey) {
        const std::u16string typed = form.text(slot.box);
        const std::u16string_view said = verdict(typed, slot.expected);
        if (judged)
            judged(slot, typed, said);
        form.setText(slot.box, said);
    }
}

void clearAnswers(Form &form)
{
    for (const AnswerSlot &slot : answerKey)
        form.setText(slot.box, {});
}

void exitProgram(Form &form)
{
    form.endProgram();
}

} // namespace quiz
