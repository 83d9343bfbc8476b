#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

// Turns a colour value of the layout table into a colour. 0x00BBGGRR values are exact;
// 0x800000nn names system colour nn and is resolved as follows:
//
//   nn    system colour          on Windows     elsewhere: palette role      classic default
//   0x03  inactive title bar     GetSysColor    (none)                       #808080
//   0x0A  active border          GetSysColor    (none)                       #C0C0C0
//   0x0C  application workspace  GetSysColor    (none)                       #808080
//   0x0E  highlight text         GetSysColor    QPalette::HighlightedText    #FFFFFF
//   0x0F  button face            GetSysColor    QPalette::Button             #C0C0C0
QColor resolveColour(std::uint32_t value, const QPalette &palette);
