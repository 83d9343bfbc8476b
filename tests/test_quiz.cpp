#include "testing.h"

#include "commands.h"

#include <map>

namespace {

// The key as the learner must type it, written out here independently of the program's key.
const std::pair<const char *, std::u16string_view> rightNames[] = {
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
    {"Text12", u"JFETP"}};

// Eleven plain strings standing in for the boxes.
struct Sheet : quiz::Form {
    std::map<std::string, std::u16string, std::less<>> boxes;
    bool ended = false;

    Sheet()
    {
        for (auto [box, name] : rightNames)
            boxes[box] = name;
    }
    std::u16string text(std::string_view box) const override { return boxes.find(box)->second; }
    void setText(std::string_view box, std::u16string_view text) override
    {
        boxes.find(box)->second = text;
    }
    void endProgram() override { ended = true; }
    std::u16string operator[](const char *box) const { return boxes.at(box); }
};

} // namespace

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
        for (auto [name, _] : rightNames)
            CHECK(sheet[name] == (name == std::string_view(row.box) ? row.verdict : u"BIEN"));
    }
}

// A second "PRUEBA" judges the verdicts themselves; "BORRAR" empties everything; nothing ends
// the program but "Salir".
TEST_CASE("check twice, clear, exit")
{
    Sheet sheet;
    quiz::checkAnswers(sheet);
    quiz::checkAnswers(sheet);
    for (auto [name, _] : rightNames)
        CHECK(sheet[name] == u"ERROR");
    quiz::clearAnswers(sheet);
    quiz::clearAnswers(sheet);
    for (auto [name, _] : rightNames)
        CHECK(sheet[name].empty());
    CHECK(!sheet.ended);
    quiz::exitProgram(sheet);
    CHECK(sheet.ended);
}
