#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string_view>

// Gives the controls the core's screen-reader names and descriptions, as annotations on the
// accessible objects Windows makes for them (dynamic annotation), so that an answer box is read
// as "Respuesta 1 de 11" and not by whatever text lies near it.
class ScreenReaderTexts {
public:
    ScreenReaderTexts();
    ~ScreenReaderTexts();
    ScreenReaderTexts(const ScreenReaderTexts &) = delete;
    ScreenReaderTexts &operator=(const ScreenReaderTexts &) = delete;

    void annotate(HWND control, std::string_view name, std::string_view description);
    void clear(HWND control);

private:
    HMODULE m_ole32;
    bool m_com = false;
    IAccPropServices *m_services = nullptr;
};
