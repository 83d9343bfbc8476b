#include "picture.h"

#include "geometry.h"
#include "text.h"

Picture::Picture(std::string_view controlName)
    : m_bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), wide(controlName).c_str(),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))
{
    BITMAP info{};
    if (m_bitmap && GetObjectW(m_bitmap.get(), sizeof info, &info))
        m_size = {info.bmWidth, info.bmHeight};
}

RECT Picture::extent(int dpi) const
{
    return {0, 0, MulDiv(m_size.cx, dpi, form::designDpi), MulDiv(m_size.cy, dpi, form::designDpi)};
}

void Picture::paint(HDC dc, int dpi) const
{
    if (!m_bitmap)
        return;
    const BitmapDC source(dc, m_bitmap.get());
    if (dpi == form::designDpi) {
        BitBlt(dc, 0, 0, m_size.cx, m_size.cy, source, 0, 0, SRCCOPY);
        return;
    }
    const RECT scaled = extent(dpi);
    POINT origin;
    SetStretchBltMode(dc, HALFTONE); // averages, where the default would drop whole rows
    SetBrushOrgEx(dc, 0, 0, &origin);
    StretchBlt(dc, 0, 0, scaled.right, scaled.bottom, source, 0, 0, m_size.cx, m_size.cy, SRCCOPY);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
}

void Picture::paintClient(HDC dc, HWND window, int dpi, HBRUSH background) const
{
    RECT client;
    GetClientRect(window, &client);
    const RECT picture = extent(dpi);
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, picture.left, picture.top, picture.right, picture.bottom);
    FillRect(dc, &client, background);
    RestoreDC(dc, saved);
    paint(dc, dpi);
}
