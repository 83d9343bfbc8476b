#include "systemcolours.h"

#include <array>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr std::uint32_t systemColourFlag = 0x80000000;

#ifndef Q_OS_WIN
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
#endif

QColor fromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

QColor resolveColour(std::uint32_t value, const QPalette &palette)
{
    if (!(value & systemColourFlag))
        return fromBgr(value);

    const std::uint32_t index = value & 0xFF;
#ifdef Q_OS_WIN
    return fromBgr(GetSysColor(int(index)));
#else
    for (const SystemColour &colour : systemColours) {
        if (colour.index != index)
            continue;
        return colour.role ? palette.color(QPalette::Active, *colour.role) : QColor(colour.classic);
    }
    return palette.color(QPalette::Button);
#endif
}
