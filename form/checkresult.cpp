#include "checkresult.h"

#include <algorithm>

namespace form {

void CheckResult::record(const quiz::AnswerSlot &slot, std::u16string_view typed,
                         std::u16string_view verdict)
{
    const auto k = std::size_t(&slot - quiz::answerKey.data());
    std::size_t length = std::min(typed.size(), responseLength);
    // A character beyond the first plane is two code units: never keep half of it.
    if (length < typed.size() && length > 0 && typed[length - 1] >= 0xD800 &&
        typed[length - 1] < 0xDC00)
        --length;
    responses[k] = typed.substr(0, length);
    verdicts[k] = verdict;
}

std::size_t CheckResult::rightCount() const
{
    return std::size_t(std::count(verdicts.begin(), verdicts.end(), quiz::verdictRight));
}

} // namespace form
