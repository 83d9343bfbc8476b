#include "screenreader.h"

#include <algorithm>
#include <vector>

namespace form {

namespace {

// "Tabla 1" is the first of the symbol tables; 0 for any other control.
std::size_t tableNumber(std::string_view pictureBox)
{
    const auto found = std::find(symbolTables.begin(), symbolTables.end(), pictureBox);
    return found == symbolTables.end() ? 0 : std::size_t(found - symbolTables.begin()) + 1;
}

// Boxes of one table counted from the left.
int cellNumber(const ControlSpec &box)
{
    int cell = 1;
    for (const ControlSpec &other : controls)
        if (other.kind == Kind::TextBox && other.container == box.container &&
            other.left < box.left)
            ++cell;
    return cell;
}

// An answer box's number is its place in the key, from 1.
std::size_t answerNumber(std::string_view box)
{
    std::size_t k = 0;
    while (k < quiz::answerKey.size() && quiz::answerKey[k].box != box)
        ++k;
    return k + 1;
}

const std::string answerCount = std::to_string(quiz::answerKey.size());

// The key's names hold one letter beyond ASCII, Ú, and nothing beyond the first plane.
std::string utf8(std::u16string_view text)
{
    std::string out;
    for (char16_t unit : text) {
        if (unit < 0x80) {
            out += char(unit);
        } else if (unit < 0x800) {
            out += char(0xC0 | unit >> 6);
            out += char(0x80 | (unit & 0x3F));
        } else {
            out += char(0xE0 | unit >> 12);
            out += char(0x80 | (unit >> 6 & 0x3F));
            out += char(0x80 | (unit & 0x3F));
        }
    }
    return out;
}

std::string wordList()
{
    std::string names = "Palabras correctas:";
    for (std::u16string_view name : quiz::sortedNames())
        names.append(" ").append(utf8(name)).append(",");
    names.back() = '.';
    return names;
}

} // namespace

Identity identity(const ControlSpec &spec)
{
    switch (spec.kind) {
    case Kind::TextBox:
        return {Role::Text,
                "Respuesta " + std::to_string(answerNumber(spec.name)) + " de " + answerCount,
                "tabla " + std::to_string(tableNumber(spec.container)) + ", casilla " +
                    std::to_string(cellNumber(spec))};
    case Kind::PictureBox:
        if (const std::size_t table = tableNumber(spec.name))
            return {Role::Group, "Tabla " + std::to_string(table) + " de símbolos", {}};
        return {Role::Image, "Lista de palabras correctas", wordList()};
    case Kind::CommandButton:
        return {Role::Button, std::string(spec.text), {}};
    case Kind::Label:
        break;
    }
    return {Role::Label, std::string(spec.text), {}};
}

std::string checkedAnnouncement(const quiz::CheckResult &result)
{
    std::vector<std::size_t> wrong;
    for (std::size_t k = 0; k < result.boxes.size(); ++k)
        if (!result.boxes[k].right)
            wrong.push_back(answerNumber(quiz::answerKey[k].box));
    std::string said =
        "Comprobado: BIEN en " + std::to_string(result.rightCount()) + " de " + answerCount + ".";
    if (wrong.empty())
        return said;
    said += wrong.size() == 1 ? " ERROR en la respuesta " : " ERROR en las respuestas ";
    for (std::size_t i = 0; i < wrong.size(); ++i) {
        if (i > 0)
            said += i + 1 == wrong.size() ? " y " : ", ";
        said += std::to_string(wrong[i]);
    }
    return said + ".";
}

} // namespace form
