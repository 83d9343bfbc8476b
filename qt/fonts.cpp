#include "fonts.h"

#include "geometry.h"

#include <QFontDatabase>

namespace {

// Asking for a missing family makes Qt search fontconfig's fallbacks for every font, which is a
// noticeable part of start-up; so the family is chosen once, among the installed ones.
QString family()
{
    static const QString chosen = [] {
        for (std::string_view candidate : form::fontFamilies) {
            const QString name = QString::fromLatin1(candidate.data(), qsizetype(candidate.size()));
            if (QFontDatabase::hasFamily(name))
                return name;
        }
        return QString();
    }();
    return chosen;
}

} // namespace

QFont controlFont(const form::FontSpec &spec, int pixelSize)
{
    QFont font;
    if (!family().isEmpty())
        font.setFamily(family());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

QFont controlFont(const form::FontSpec &spec)
{
    return controlFont(spec, form::fontPixelSize(spec));
}
