#include "testing.h"

#include "geometry.h"
#include "runtimeerror.h"
#include "screenreader.h"
#include "tabcycle.h"

#include <cstdio>
#include <set>
#include <vector>

using form::PixelRect;

namespace {

const form::ControlSpec &control(std::string_view name)
{
    const form::ControlSpec *spec = form::findControl(name);
    REQUIRE(spec);
    return *spec;
}

} // namespace

template <> struct doctest::StringMaker<PixelRect> {
    static String convert(const PixelRect &r)
    {
        char text[64];
        std::snprintf(text, sizeof text, "{%d, %d, %d x %d}", r.left, r.top, r.width, r.height);
        return text;
    }
};

// Pixels written out by hand, at 96 dpi from the layout's pixel column and at 120 dpi (12 twips
// a pixel), relative to the container's client area.
TEST_CASE("pixels at 96 and 120 dpi")
{
    const struct {
        const char *control;
        PixelRect at96, at120;
    } cases[] = {
        {"Picture4", {8, 272, 393, 97}, {10, 340, 491, 121}},
        {"Text12", {328, 56, 49, 25}, {410, 70, 61, 31}},
        {"Text8", {8, 56, 57, 27}, {10, 70, 71, 34}},
        {"Text5", {8, 64, 57, 19}, {10, 80, 71, 24}},
        {"Picture5", {496, 24, 145, 225}, {620, 30, 181, 281}},
        {"Command1", {368, 176, 81, 57}, {460, 220, 101, 71}},
        {"Label1", {8, 0, 129, 17}, {10, 0, 161, 21}},
    };
    for (const auto &row : cases) {
        INFO(std::string(row.control));
        CHECK(form::pixelRect(control(row.control)) == row.at96);
        CHECK(form::pixelRect(control(row.control), 120) == row.at120);
    }
    CHECK(form::formClientArea() == PixelRect{0, 0, 640, 383});
    CHECK(form::formClientArea(120) == PixelRect{0, 0, 800, 479});
    CHECK(form::fontPixelSize(form::windowFont) == 11);
    CHECK(form::fontPixelSize(control("Label1").font) == 13);
    CHECK(form::fontPixelSize(form::windowFont, 120) == 14);
}

// Each answer box lies in the picture box of its symbol, wholly inside the client area.
TEST_CASE("answer boxes inside their picture boxes")
{
    const std::pair<const char *, const char *> boxes[] = {
        {"Text1", "Picture1"},  {"Text3", "Picture3"},  {"Text4", "Picture3"},
        {"Text5", "Picture2"},  {"Text6", "Picture2"},  {"Text7", "Picture2"},
        {"Text8", "Picture4"},  {"Text9", "Picture4"},  {"Text10", "Picture4"},
        {"Text11", "Picture4"}, {"Text12", "Picture4"},
    };
    int answerBoxes = 0;
    for (const form::ControlSpec &spec : form::controls)
        answerBoxes += spec.kind == form::Kind::TextBox;
    CHECK(answerBoxes == 11);
    for (auto [box, pictureBox] : boxes) {
        INFO(std::string(box));
        CHECK(control(box).container == pictureBox);
        const PixelRect client = form::clientArea(control(pictureBox));
        const PixelRect rect = form::pixelRect(control(box));
        CHECK((rect.left >= 0 && rect.top >= 0 && rect.right() <= client.width &&
               rect.bottom() <= client.height));
    }
}

// Tab indices are unique over the whole window; Tab visits boxes and buttons only, Text7
// before Text3, and wraps around both ways.
TEST_CASE("tab cycle")
{
    std::set<int> indices;
    for (const form::ControlSpec &spec : form::controls)
        indices.insert(spec.tabIndex);
    CHECK(indices.size() == 23);
    CHECK((*indices.begin() == 0 && *indices.rbegin() == 22));

    const std::vector<std::string_view> expected = {
        "Command1", "Command2", "Command3", "Text1", "Text7",  "Text3",  "Text4",
        "Text5",    "Text6",    "Text8",    "Text9", "Text10", "Text11", "Text12"};
    std::vector<std::string_view> cycle;
    for (const form::ControlSpec *spec : form::tabCycle())
        cycle.push_back(spec->name);
    CHECK(cycle == expected);
    CHECK(form::nextInTabCycle("Text12", true).name == "Command1");
    CHECK(form::nextInTabCycle("Command1", false).name == "Text12");
    CHECK(form::nextInTabCycle("Text1", true).name == "Text7");
    CHECK(form::nextInTabCycle("Text3", false).name == "Text7");
}

TEST_CASE("screen-reader texts")
{
    const struct {
        const char *control, *name, *description;
    } cases[] = {
        {"Text1", "Respuesta 1 de 11", "tabla 1, casilla 1"},
        {"Text7", "Respuesta 6 de 11", "tabla 2, casilla 3"},
        {"Text8", "Respuesta 7 de 11", "tabla 4, casilla 1"},
        {"Text12", "Respuesta 11 de 11", "tabla 4, casilla 5"},
        {"Picture3", "Tabla 3 de símbolos", ""},
        {"Picture5", "Lista de palabras correctas", ""},
        {"Command3", "Salir", ""},
        {"Label3", "ESCRIBIR EN MAYÚSCULAS", ""},
    };
    for (const auto &row : cases) {
        INFO(std::string(row.control));
        CHECK(form::screenReaderName(control(row.control)) == row.name);
        CHECK(form::screenReaderDescription(control(row.control)) == row.description);
    }
}

TEST_CASE("run-time error report")
{
    CHECK(form::runtimeErrorMessage("") == "Se ha producido un error en tiempo de ejecución.");
    try {
        form::throwMissingControl("Text5");
        FAIL("no error raised");
    } catch (const std::exception &error) {
        CHECK(form::runtimeErrorMessage(error.what()) ==
              "Se ha producido un error en tiempo de ejecución.\n\n"
              "No se encuentra el control Text5.");
    }
}
