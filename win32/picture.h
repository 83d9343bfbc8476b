#pragma once

#include "handles.h"

#include <string_view>

// A picture the program carries as a bitmap resource named after its control. It is painted at
// the top-left of a client area: pixel for pixel at 96 dpi, and at any other resolution scaled
// with the window, so that the answer boxes stay under their symbols.
class Picture {
public:
    explicit Picture(std::string_view controlName);

    // Paints a client area: the picture, and the background wherever the picture does not
    // reach.
    void paintClient(HDC dc, HWND window, int dpi, HBRUSH background) const;

private:
    RECT extent(int dpi) const;
    void paint(HDC dc, int dpi) const;

    Bitmap m_bitmap;
    SIZE m_size{};
};
