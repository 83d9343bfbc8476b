#pragma once

#include <cstdint>

namespace form {

// Colour values: 0x00BBGGRR is a fixed colour, 0x800000nn is system colour nn, resolved when a
// control is painted.
inline constexpr std::uint32_t systemColourFlag = 0x80000000;
inline constexpr std::uint32_t buttonFace = 0x8000000F;
inline constexpr std::uint32_t highlightText = 0x8000000E;
inline constexpr std::uint32_t applicationWorkspace = 0x8000000C;
inline constexpr std::uint32_t activeBorder = 0x8000000A;
inline constexpr std::uint32_t inactiveTitleBar = 0x80000003;

constexpr bool isSystemColour(std::uint32_t value)
{
    return value & systemColourFlag;
}

// The system colour's number, as Windows counts them (COLOR_BTNFACE is 15).
constexpr int systemColourIndex(std::uint32_t value)
{
    return int(value & 0xFF);
}

// A fixed colour as 0xRRGGBB.
constexpr std::uint32_t rgb(std::uint32_t value)
{
    return (value & 0xFF) << 16 | (value & 0xFF00) | (value >> 16 & 0xFF);
}

// 0xRRGGBB for any colour value, the system colours as the classic Windows scheme has them, for
// toolkits that have no system colours of their own.
constexpr std::uint32_t classicColour(std::uint32_t value)
{
    if (!isSystemColour(value))
        return rgb(value);
    switch (value) {
    case inactiveTitleBar:
    case applicationWorkspace:
        return 0x808080;
    case highlightText:
        return 0xFFFFFF;
    case activeBorder:
    case buttonFace:
    default:
        return 0xC0C0C0;
    }
}

} // namespace form
