#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace {

// The first of the faces we like that is installed. Asking for a missing family makes Qt search
// fontconfig's fallbacks for every font, which is a noticeable part of start-up.
QString family()
{
    static const QString chosen = [] {
        for (const char *candidate : {"MS Sans Serif", "Liberation Sans", "Arial"})
            if (QFontDatabase::hasFamily(QString::fromLatin1(candidate)))
                return QString::fromLatin1(candidate);
        return QString();
    }();
    return chosen;
}

} // namespace

QFont controlFont(const layout::FontSpec &spec)
{
    QFont font;
    if (!family().isEmpty())
        font.setFamily(family());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(std::lround(spec.points * 96.0 / 72.0)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}
