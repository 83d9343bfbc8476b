// What must hold of the layout table, the answer key and the event table, checked by the compiler:
// a table that breaks any of it does not build.
#include "answerkey.h"
#include "events.h"
#include "geometry.h"

namespace form {
namespace {

constexpr bool namesUnique()
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            if (controls[i].name == controls[j].name || controls[i].name == formName)
                return false;
    return true;
}

// Every index from 0 on, each once, containers and their children alike.
constexpr bool tabIndicesUnique()
{
    for (int index = 0; index < int(controls.size()); ++index) {
        int holders = 0;
        for (const ControlSpec &spec : controls)
            holders += spec.tabIndex == index;
        if (holders != 1)
            return false;
    }
    return true;
}

// A container is a picture box created before what it holds, so that start-up can walk the
// table once.
constexpr bool containersFirst()
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].container.empty())
            continue;
        bool found = false;
        for (std::size_t j = 0; j < i; ++j)
            found = found || (controls[j].name == controls[i].container &&
                              controls[j].kind == Kind::PictureBox);
        if (!found)
            return false;
    }
    return true;
}

// Where the control of that name stands in the table; past its end when there is none. (GCC's
// UndefinedBehaviorSanitizer would not let these checks compare pointers.)
constexpr std::size_t place(std::string_view name)
{
    std::size_t at = 0;
    while (at < controls.size() && controls[at].name != name)
        ++at;
    return at;
}

// The key's boxes are exactly the table's text boxes, each wholly inside its picture box.
constexpr bool keyBoxesAreAnswerBoxes()
{
    std::size_t textBoxes = 0;
    for (const ControlSpec &spec : controls)
        textBoxes += spec.kind == Kind::TextBox;
    if (textBoxes != quiz::answerKey.size())
        return false;
    for (const quiz::AnswerSlot &slot : quiz::answerKey) {
        const std::size_t at = place(slot.box);
        if (at == controls.size() || controls[at].kind != Kind::TextBox ||
            place(controls[at].container) == controls.size())
            return false;
        const PixelRect rect = pixelRect(controls[at]);
        const PixelRect client = clientArea(controls[place(controls[at].container)]);
        if (rect.left < 0 || rect.top < 0 || rect.right() > client.width ||
            rect.bottom() > client.height)
            return false;
    }
    return true;
}

// The symbol tables are the picture boxes that hold answer boxes, each once.
constexpr bool symbolTablesHoldTheBoxes()
{
    for (const ControlSpec &spec : controls) {
        if (spec.kind != Kind::PictureBox)
            continue;
        bool holds = false;
        for (const ControlSpec &child : controls)
            holds = holds || child.container == spec.name;
        std::size_t listed = 0;
        for (std::string_view table : symbolTables)
            listed += table == spec.name;
        if (listed != (holds ? 1 : 0))
            return false;
    }
    for (std::string_view table : symbolTables)
        if (place(table) == controls.size())
            return false;
    return true;
}

// Buttons have click handlers, nothing else has one.
constexpr bool handlersOnButtons()
{
    for (const ControlSpec &spec : controls)
        if (Form1Events::handlesClicks(spec.name) != (spec.kind == Kind::CommandButton))
            return false;
    return true;
}

static_assert(namesUnique(), "two controls share a name");
static_assert(tabIndicesUnique(), "tab indices must be 0 to 22, each once");
static_assert(containersFirst(), "a container must be a picture box created before its children");
static_assert(keyBoxesAreAnswerBoxes(), "the key's boxes must be the text boxes, inside their "
                                        "picture boxes");
static_assert(symbolTablesHoldTheBoxes(), "the symbol tables must be the picture boxes that hold "
                                          "answer boxes");
static_assert(handlersOnButtons(), "click handlers belong to the buttons, and only to them");

} // namespace
} // namespace form
