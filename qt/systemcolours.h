#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

// Turns a colour value of the layout table into a colour. 0x00BBGGRR values are exact; system
// colours come from the palette where Qt has a role for them (highlight text, button face) and
// otherwise from the classic Windows scheme.
QColor resolveColour(std::uint32_t value, const QPalette &palette);
