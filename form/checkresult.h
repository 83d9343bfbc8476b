#pragma once

#include "answerkey.h"

#include <array>
#include <string>
#include <string_view>

namespace form {

// What one "PRUEBA" found, box by box in key order: the start of what the learner had typed and
// the verdict that replaced it. Screen readers and learning platforms are told from it.
struct CheckResult {
    // A learning platform keeps 255 characters of a response; a box may hold millions.
    static constexpr std::size_t responseLength = 255;

    std::array<std::u16string, quiz::answerKey.size()> responses;
    std::array<std::u16string_view, quiz::answerKey.size()> verdicts;

    void record(const quiz::AnswerSlot &slot, std::u16string_view typed,
                std::u16string_view verdict);
    std::size_t rightCount() const;
};

} // namespace form
