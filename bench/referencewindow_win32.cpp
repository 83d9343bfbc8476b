// The references of the start-up benchmark under Wine, both titled "Form1" in korval2.exe's frame:
//   referencewindow.exe            the bare window, with nothing in it
//   referencewindow.exe controls   the floor, what any Win32 version of this window must pay: the
//                                  same 23 controls of the system's classes, with their texts and
//                                  fonts, and nothing else (no pictures, icon, colours or
//                                  screen-reader names)
#include "fonts.h"
#include "geometry.h"
#include "text.h"

#include <windows.h>

#include <string_view>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void createControls(HWND window, HINSTANCE instance)
{
    HWND controls[form::controls.size()] = {};
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const form::ControlSpec &spec = form::controls[i];
        const wchar_t *classes[] = {L"ReferencePictureBox", L"EDIT", L"BUTTON", L"STATIC"};
        const bool edged = spec.kind == form::Kind::PictureBox || spec.kind == form::Kind::TextBox;
        HWND parent = window;
        for (std::size_t j = 0; j < i; ++j)
            if (form::controls[j].name == spec.container)
                parent = controls[j];
        const form::PixelRect rect = form::pixelRect(spec);
        controls[i] =
            CreateWindowExW(edged ? WS_EX_CLIENTEDGE : 0, classes[int(spec.kind)],
                            wide(spec.text).c_str(), WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                            rect.width, rect.height, parent, nullptr, instance, nullptr);
        SendMessageW(controls[i], WM_SETFONT,
                     WPARAM(createFont(spec.font, form::fontPixelSize(spec.font)).release()),
                     FALSE);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"ReferenceWindow";
    RegisterClassW(&windowClass);
    windowClass.lpszClassName = L"ReferencePictureBox";
    RegisterClassW(&windowClass);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, form::formClientArea().width, form::formClientArea().height};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const HWND window = CreateWindowExW(
        0, L"ReferenceWindow", L"Form1", style, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (std::wstring_view(commandLine) == L"controls")
        createControls(window, instance);
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
