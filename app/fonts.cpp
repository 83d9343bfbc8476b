#include "fonts.h"

#include <QStringList>

#include <cmath>

QFont controlFont(const layout::FontSpec &spec)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(std::lround(spec.points * 96.0 / 72.0)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}
