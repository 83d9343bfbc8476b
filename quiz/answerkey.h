#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace quiz {

// One answer box and the only text it accepts.
struct AnswerSlot {
    std::string_view box;
    std::u16string_view expected;
};

// Key order is also the order in which the commands visit the boxes. There is no Text2.
inline constexpr std::array<AnswerSlot, 11> answerKey{{
    {"Text1", u"TRANSFORMADOR CON N\u00DACLEO"},
    {"Text3", u"DIODO"},
    {"Text4", u"DIODO VARICAP"},
    {"Text5", u"FOTODIODO"},
    {"Text6", u"LED"},
    {"Text7", u"ZENER"},
    {"Text8", u"UNIJUNTURA"},
    {"Text9", u"TRANSISTOR NPN"},
    {"Text10", u"TRANSISTOR PNP"},
    {"Text11", u"JFETN"},
    {"Text12", u"JFETP"},
}};

// The names as the word list shows them to the learner: sorted by character code.
constexpr std::array<std::u16string_view, answerKey.size()> sortedNames()
{
    std::array<std::u16string_view, answerKey.size()> names{};
    std::transform(answerKey.begin(), answerKey.end(), names.begin(),
                   [](const AnswerSlot &slot) { return slot.expected; });
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace quiz
