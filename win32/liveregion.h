#pragma once

#include <windows.h>

#include <string>

// A live region for what a command did: a visible static control of no area, which takes the
// text as its name. Screen readers speak it without the focus moving: NVDA hears the live-region
// change, Narrator the polite live setting and, where the system has it, a UI Automation
// notification. The live setting, which needs COM, is given with the first text.
class LiveRegion {
public:
    // When the control cannot be made, announcing says nothing.
    explicit LiveRegion(HWND parent);
    void announce(const std::wstring &text);

private:
    HWND m_hwnd;
    bool m_polite = false;
};
