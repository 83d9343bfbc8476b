#include "picturebox.h"

WNDCLASSEXW PictureBox::windowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    return windowClass;
}

PictureBox::PictureBox(std::string_view name, std::uint32_t colour)
    : m_picture(name), m_background(colour)
{
}

// Called by the creator right after CreateWindowEx; from then on the window finds this object.
void PictureBox::attach(HWND hwnd, int dpi)
{
    m_hwnd = hwnd;
    m_dpi = dpi;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void PictureBox::setDpi(int dpi)
{
    m_dpi = dpi;
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void PictureBox::paintContent(HDC dc) const
{
    m_picture.paintClient(dc, m_hwnd, m_dpi, m_background.get());
}

LRESULT CALLBACK PictureBox::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = reinterpret_cast<PictureBox *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE; // painted whole in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        if (self)
            self->paintContent(paint.hdc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (self)
            self->paintContent(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
        return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
