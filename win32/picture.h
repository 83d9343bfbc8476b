#pragma once

#include "handles.h"

#include <string_view>

// A picture the program carries as a bitmap resource named after its control. It is painted at
// the top-left of a client area: pixel for pixel at 96 dpi, and at any other resolution scaled
// with the window, so that the answer boxes stay under their symbols.
class Picture {
public:
    explicit Picture(std::string_view controlName);

    // The rectangle it covers at that resolution.
    RECT extent(int dpi) const;
    void paint(HDC dc, int dpi) const;

private:
    Bitmap m_bitmap;
    SIZE m_size{};
};
