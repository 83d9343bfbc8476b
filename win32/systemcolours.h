#pragma once

#include "handles.h"

#include <cstdint>

// The colour a colour value of the layout table stands for: 0x00BBGGRR is already a COLORREF,
// 0x800000nn is the system colour nn as the system's scheme has it now.
COLORREF resolveColour(std::uint32_t value);

// A brush for a colour value. System colours use the system's own brushes, which follow the
// scheme; a fixed colour gets a brush of its own.
class ColourBrush {
public:
    explicit ColourBrush(std::uint32_t value);
    HBRUSH get() const;
    COLORREF colour() const { return resolveColour(m_value); }

private:
    std::uint32_t m_value;
    Brush m_own;
};
