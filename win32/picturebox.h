#pragma once

#include "geometry.h"
#include "picture.h"
#include "systemcolours.h"

#include <string_view>

// A picture box: a child window with a sunken 2-pixel border, its picture at the top-left of the
// client area, clipped to it, and its background colour wherever the picture does not reach.
// The answer boxes are its children; what they tell their parent goes on to the window.
class PictureBox {
public:
    static constexpr const wchar_t *className = L"KorvalPictureBox";
    static WNDCLASSEXW windowClass(HINSTANCE instance);

    PictureBox(std::string_view name, std::uint32_t colour);
    void attach(HWND hwnd, int dpi);
    void setDpi(int dpi);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paintContent(HDC dc) const;

    HWND m_hwnd = nullptr;
    Picture m_picture;
    ColourBrush m_background;
    int m_dpi = form::designDpi;
};
