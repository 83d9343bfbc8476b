#pragma once

#include "dpi.h"
#include "events.h"
#include "handles.h"
#include "layouttable.h"
#include "liveregion.h"
#include "picture.h"
#include "picturebox.h"
#include "screenreader.h"
#include "systemcolours.h"

#include <memory>
#include <string_view>
#include <vector>

// The drill's one window, built from the layout table with the system's own controls.
class Form1 : public form::Form1Events {
public:
    static constexpr const wchar_t *className = L"KorvalForm1";

    // Throws std::runtime_error, with the Spanish description of a run-time error, when the
    // window or one of its controls cannot be made. The window takes the resolution that
    // monitorDpi gives for it once it is made: the system's answer for the monitor it opens on.
    explicit Form1(HINSTANCE instance, int (*monitorDpi)(HWND) = windowDpi);
    ~Form1() override;
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    HWND hwnd() const { return m_hwnd; }
    // nullptr when there is none.
    HWND control(std::string_view name) const;
    // Shows the window with the focus on the first control of the tab cycle.
    void show(int showCommand);
    // One message of the thread's queue, the window's keyboard handling first.
    void dispatch(const MSG &message);

    std::u16string text(std::string_view box) const override;
    void setText(std::string_view box, std::u16string_view text) override;
    void endProgram() override;

protected:
    void endWithRuntimeError(const std::string &message) override;
    void announce(const std::string &text) override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnPaint(HWND hwnd);
    void OnCommand(HWND hwnd, int id, HWND control, UINT code);
    HBRUSH OnCtlColor(HWND hwnd, HDC dc, HWND control, int type);
    void OnDrawItem(HWND hwnd, const DRAWITEMSTRUCT *item);
    void OnActivate(HWND hwnd, UINT state, HWND other, BOOL minimized);
    void OnDpiChanged(int dpi, const RECT &suggested);
    void OnDestroy(HWND hwnd);

    // One control of the table: its row, its window, the brush of its colour, what screen
    // readers call it and, for a picture box, its picture.
    struct Control {
        const form::ControlSpec *spec;
        HWND hwnd;
        ColourBrush brush;
        form::Identity identity;
        std::unique_ptr<PictureBox> pictureBox;
    };

    bool handleKey(const MSG &message);
    void createControls();
    void applyDpi();
    void paintContent(HDC dc) const;
    HFONT font(const form::FontSpec &spec, int pixels);
    const Control *controlOf(HWND window) const;
    HWND answerBox(std::string_view name) const;

    HWND m_hwnd = nullptr;
    int m_dpi;
    Picture m_background;
    ColourBrush m_backgroundColour;
    std::vector<Control> m_controls; // in table order, never reallocated: a control's id is its
                                     // place, from 1, and its identity stays where it was given
    std::vector<std::pair<form::FontSpec, Font>> m_fonts;
    std::unique_ptr<LiveRegion> m_liveRegion;
    HWND m_lastFocus = nullptr;
    int m_exitStatus = 0;
};

// The standard run-time error report, in Spanish, over the owner window if there is one.
void showRuntimeError(HWND owner, const std::string &message);
