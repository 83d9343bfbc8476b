#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// GDI objects that free themselves.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;

// A memory device context with one bitmap selected into it, for as long as it lives.
class BitmapDC {
public:
    BitmapDC(HDC compatible, HBITMAP bitmap)
        : m_dc(CreateCompatibleDC(compatible)), m_old(SelectObject(m_dc, bitmap))
    {
    }
    ~BitmapDC()
    {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    BitmapDC(const BitmapDC &) = delete;
    BitmapDC &operator=(const BitmapDC &) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};
