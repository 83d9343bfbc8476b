#include "accessiblenames.h"

#include "answerkey.h"

namespace {

// Picture1 is table 1, and so on.
int tableNumber(const char *pictureBox)
{
    return QString::fromLatin1(pictureBox).mid(int(qstrlen("Picture"))).toInt();
}

// Boxes of one table counted from the left.
int cellNumber(const layout::ControlSpec &box)
{
    int cell = 1;
    for (const layout::ControlSpec &other : layout::controls)
        if (other.kind == layout::Kind::TextBox && qstrcmp(other.container, box.container) == 0 &&
            other.left < box.left)
            ++cell;
    return cell;
}

int keyPosition(const char *box)
{
    for (std::size_t i = 0; i < quiz::answerKey.size(); ++i)
        if (quiz::answerKey[i].box == box)
            return int(i) + 1;
    return 0;
}

} // namespace

QString screenReaderName(const layout::ControlSpec &spec)
{
    switch (spec.kind) {
    case layout::Kind::TextBox:
        return QStringLiteral("Respuesta %1 de %2")
            .arg(keyPosition(spec.name))
            .arg(quiz::answerKey.size());
    case layout::Kind::PictureBox:
        if (qstrcmp(spec.name, "Picture5") == 0)
            return QStringLiteral("Lista de palabras correctas");
        return QStringLiteral("Tabla %1 de símbolos").arg(tableNumber(spec.name));
    case layout::Kind::CommandButton:
    case layout::Kind::Label:
        break;
    }
    return QString::fromUtf8(spec.text);
}

QString screenReaderDescription(const layout::ControlSpec &spec)
{
    if (spec.kind != layout::Kind::TextBox)
        return {};
    return QStringLiteral("tabla %1, casilla %2")
        .arg(tableNumber(spec.container))
        .arg(cellNumber(spec));
}
