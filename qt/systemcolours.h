#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

// Turns a colour value of the layout table into a colour. 0x00BBGGRR values are exact;
// 0x800000nn names system colour nn, taken from the palette where Qt has a role for it and
// otherwise from the classic Windows scheme:
//
//   nn    system colour          palette role                 classic default
//   0x03  inactive title bar     (none)                       #808080
//   0x0A  active border          (none)                       #C0C0C0
//   0x0C  application workspace  (none)                       #808080
//   0x0E  highlight text         QPalette::HighlightedText    #FFFFFF
//   0x0F  button face            QPalette::Button             #C0C0C0
QColor resolveColour(std::uint32_t value, const QPalette &palette);
