#include "testing.h"

#include "sheet.h"

// One box holds the given text, all the others their right names.
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
        Sheet sheet;
        sheet.boxes[row.box] = row.typed;
        quiz::checkAnswers(sheet);
        for (const quiz::AnswerSlot &slot : quiz::answerKey)
            CHECK(sheet[slot.box] == (slot.box == row.box ? row.verdict : u"BIEN"));
    }
}

// A second "PRUEBA" judges the verdicts themselves; "BORRAR" empties everything; nothing ends
// the program but "Salir".
TEST_CASE("check twice, clear, exit")
{
    Sheet sheet;
    quiz::checkAnswers(sheet);
    quiz::checkAnswers(sheet);
    for (const quiz::AnswerSlot &slot : quiz::answerKey)
        CHECK(sheet[slot.box] == u"ERROR");
    quiz::clearAnswers(sheet);
    quiz::clearAnswers(sheet);
    for (const quiz::AnswerSlot &slot : quiz::answerKey)
        CHECK(sheet[slot.box].empty());
    CHECK(!sheet.ended);
    quiz::exitProgram(sheet);
    CHECK(sheet.ended);
}
