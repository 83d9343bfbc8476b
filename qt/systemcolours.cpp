#include "systemcolours.h"

#include "layouttable.h"

#include <array>
#include <optional>

namespace {

struct SystemColour {
    std::uint32_t index;
    std::optional<QPalette::ColorRole> role;
    QRgb classic;
};

constexpr std::array<SystemColour, 5> systemColours{{
    {0x03, std::nullopt, 0x808080},
    {0x0A, std::nullopt, 0xC0C0C0},
    {0x0C, std::nullopt, 0x808080},
    {0x0E, QPalette::HighlightedText, 0xFFFFFF},
    {0x0F, QPalette::Button, 0xC0C0C0},
}};

} // namespace

QColor resolveColour(std::uint32_t value, const QPalette &palette)
{
    if (!(value & form::systemColourFlag))
        return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));

    for (const SystemColour &colour : systemColours) {
        if (colour.index != (value & 0xFF))
            continue;
        return colour.role ? palette.color(QPalette::Active, *colour.role) : QColor(colour.classic);
    }
    return palette.color(QPalette::Button);
}
