#pragma once

#include <windows.h>

#include <string>

// Gives a control of Form1 the core's screen-reader name, description and role, found from the
// control when a client asks: it answers WM_GETOBJECT with an accessible object of its own that
// is the system's standard object for the control in every other respect. Every client takes this
// road, MSAA and the UI Automation proxy alike, so that an answer box is read as "Respuesta 1 de
// 11" and not by whatever text lies near it. oleacc, and COM with it, is loaded when a client first
// asks, not before the window shows.
void giveAccessibleIdentity(HWND control);

// A live region for what a command did: a visible static control of no area, which takes the
// text as its name. Screen readers speak it without the focus moving: NVDA hears the live-region
// change, Narrator the polite live setting and, where the system has it, a UI Automation
// notification. The live setting, which needs COM, is given with the first text.
class LiveRegion {
public:
    // nullptr when the control cannot be made; announcing then says nothing.
    explicit LiveRegion(HWND parent);
    HWND hwnd() const { return m_hwnd; }
    void announce(const std::wstring &text);

private:
    HWND m_hwnd;
    bool m_polite = false;
};
