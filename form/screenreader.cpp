#include "screenreader.h"

#include "answerkey.h"

namespace form {

namespace {

// Picture1 is table 1, and so on.
std::string tableNumber(std::string_view pictureBox)
{
    return std::string(pictureBox.substr(std::string_view("Picture").size()));
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

int keyPosition(std::string_view box)
{
    for (std::size_t i = 0; i < quiz::answerKey.size(); ++i)
        if (quiz::answerKey[i].box == box)
            return int(i) + 1;
    return 0;
}

bool holdsControls(const ControlSpec &spec)
{
    for (const ControlSpec &other : controls)
        if (other.container == spec.name)
            return true;
    return false;
}

} // namespace

std::string screenReaderName(const ControlSpec &spec)
{
    switch (spec.kind) {
    case Kind::TextBox:
        return "Respuesta " + std::to_string(keyPosition(spec.name)) + " de " +
               std::to_string(quiz::answerKey.size());
    case Kind::PictureBox:
        if (screenReaderRole(spec) == Role::Image)
            return "Lista de palabras correctas";
        return "Tabla " + tableNumber(spec.name) + " de símbolos";
    case Kind::CommandButton:
    case Kind::Label:
        break;
    }
    return std::string(spec.text);
}

std::string screenReaderDescription(const ControlSpec &spec)
{
    if (screenReaderRole(spec) == Role::Image) {
        std::string names = "Palabras correctas:";
        for (std::u16string_view name : quiz::sortedNames())
            names.append(" ").append(utf8(name)).append(",");
        names.back() = '.';
        return names;
    }
    if (spec.kind != Kind::TextBox)
        return {};
    return "tabla " + tableNumber(spec.container) + ", casilla " + std::to_string(cellNumber(spec));
}

Role screenReaderRole(const ControlSpec &spec)
{
    switch (spec.kind) {
    case Kind::TextBox:
        return Role::Text;
    case Kind::CommandButton:
        return Role::Button;
    case Kind::Label:
        return Role::Label;
    case Kind::PictureBox:
        break;
    }
    return holdsControls(spec) ? Role::Group : Role::Image;
}

} // namespace form
