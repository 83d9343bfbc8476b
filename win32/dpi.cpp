#include "dpi.h"

#include "geometry.h"
#include "lookup.h"

namespace {

template <typename Function> Function *fromUser32(const char *name)
{
    return lookUp<Function>(GetModuleHandleW(L"user32.dll"), name);
}

} // namespace

int systemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int windowDpi(HWND window)
{
    static const auto dpiForWindow = fromUser32<UINT WINAPI(HWND)>("GetDpiForWindow");
    const UINT dpi = dpiForWindow ? dpiForWindow(window) : 0;
    return dpi ? int(dpi) : systemDpi();
}

SIZE frameSize(DWORD style, int dpi)
{
    static const auto adjustForDpi =
        fromUser32<BOOL WINAPI(RECT *, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    const form::PixelRect client = form::formClientArea(dpi);
    RECT rect{0, 0, client.width, client.height};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, 0, UINT(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, 0);
    return {rect.right - rect.left, rect.bottom - rect.top};
}
