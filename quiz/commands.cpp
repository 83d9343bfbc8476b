#include "commands.h"

#include <algorithm>

namespace quiz {

std::size_t CheckResult::rightCount() const
{
    return std::size_t(
        std::count_if(boxes.begin(), boxes.end(), [](const Judgement &box) { return box.right; }));
}

CheckResult checkAnswers(Window &window)
{
    CheckResult result;
    for (std::size_t k = 0; k < answerKey.size(); ++k) {
        Judgement &judged = result.boxes[k];
        judged.typed = window.text(answerKey[k].box);
        // Code unit for code unit: no case, space, accent or normalisation folding.
        judged.right = judged.typed == answerKey[k].expected;
        window.setText(answerKey[k].box, judged.right ? u"BIEN" : u"ERROR");
    }
    return result;
}

void clearAnswers(Window &window)
{
    for (const AnswerSlot &slot : answerKey)
        window.setText(slot.box, {});
}

void exitProgram(Window &window)
{
    window.endProgram();
}

} // namespace quiz
