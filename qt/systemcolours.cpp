#include "systemcolours.h"

#include "kinds.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::uint32_t, QPalette::ColorRole>, 2> paletteRoles{{
    {form::highlightText, QPalette::HighlightedText},
    {form::buttonFace, QPalette::Button},
}};

} // namespace

QColor resolveColour(std::uint32_t value, const QPalette &palette)
{
    for (const auto &[systemColour, role] : paletteRoles)
        if (value == systemColour)
            return palette.color(QPalette::Active, role);
    return QColor(QRgb(form::classicColour(value)));
}
