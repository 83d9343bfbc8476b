#include "testing.h"

#include "standinwindow.h"

// One box holds the given text, all the others their right names: the boxes show the verdicts,
// and the result keeps what was typed.
TEST_CASE("verdicts")
{
    const struct {
        const char *tag, *box;
        std::u16string_view typed;
        std::u16string_view verdict;
    } cases[] = {
        {"all right", "Text1", u"TRANSFORMADOR CON N\u00DACLEO", u"BIEN"},
        {"empty box", "Text5", u"", u"ERROR"},
        {"small letters", "Text3", u"diodo", u"ERROR"},
        {"trailing space", "Text7", u"ZENER ", u"ERROR"},
        {"leading space", "Text8", u" UNIJUNTURA", u"ERROR"},
        {"plain U for \u00DA", "Text1", u"TRANSFORMADOR CON NUCLEO", u"ERROR"},
        {"U plus combining acute", "Text1", u"TRANSFORMADOR CON NU\u0301CLEO", u"ERROR"},
        {"JFET N with a space", "Text11", u"JFET N", u"ERROR"},
        {"name of another box", "Text9", u"TRANSISTOR PNP", u"ERROR"},
        {"double space", "Text4", u"DIODO  VARICAP", u"ERROR"},
        {"lone surrogate", "Text6", u"LED\xD800", u"ERROR"},
    };
    for (const auto &row : cases) {
        INFO(std::string(row.tag));
        StandInWindow window;
        window.boxes[row.box] = row.typed;
        const quiz::CheckResult result = quiz::checkAnswers(window);
        for (std::size_t k = 0; k < quiz::answerKey.size(); ++k) {
            const bool here = quiz::answerKey[k].box == row.box;
            CHECK(window[quiz::answerKey[k].box] == (here ? row.verdict : u"BIEN"));
            CHECK(result.boxes[k].right == (!here || row.verdict == u"BIEN"));
            CHECK(result.boxes[k].typed == (here ? row.typed : quiz::answerKey[k].expected));
        }
    }
}

// A second "PRUEBA" judges the verdicts themselves.
TEST_CASE("check twice")
{
    StandInWindow window;
    CHECK(quiz::checkAnswers(window).allRight());
    CHECK(quiz::checkAnswers(window).rightCount() == 0);
    for (const quiz::AnswerSlot &slot : quiz::answerKey)
        CHECK(window[slot.box] == u"ERROR");
}
