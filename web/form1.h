#pragma once

#include "events.h"
#include "layouttable.h"

#include <emscripten/val.h>

#include <functional>
#include <string_view>

// The drill's one window as part of a page, built from the layout table with the browser's own
// elements: picture boxes are groups holding native <input> answer boxes, the buttons are native
// <button>s. The whole form scales as one to fit the page. A click anywhere in it goes to the
// event table by the id of the element clicked.
class Form1 : public form::Form1Events {
public:
    // Called once the form has ended, through "Salir" or after a run-time error; the form's
    // elements are gone by then.
    using Ended = std::function<void()>;
    // Hears what every "PRUEBA" found.
    using Checked = std::function<void(const form::CheckResult &)>;

    // Builds the form into the page and gives "PRUEBA" the focus.
    Form1(emscripten::val page, Ended ended, Checked checked);
    ~Form1() override;
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    // Scales the form to the page area: at most twice its size, never wider or taller than the
    // page, with a hint to turn a phone held upright.
    void fit();

    std::u16string text(std::string_view box) const override;
    void setText(std::string_view box, std::u16string_view text) override;
    // Also how the drill ends once the run-time error's dialog is closed.
    void endProgram() override;

protected:
    // The standard report in a dialog of the page's own.
    void endWithRuntimeError(const std::string &message) override;
    // Through the page's live region, which is there from its load.
    void announce(const std::string &text) override;
    void checked(const form::CheckResult &result) override;

private:
    emscripten::val element(std::string_view id) const;
    void end();

    emscripten::val m_document;
    emscripten::val m_page;  // where the form, its hint and its dialogs go
    emscripten::val m_frame; // holds the form at its scaled size, so that the page never widens
    emscripten::val m_form;
    emscripten::val m_hint;
    Ended m_ended;
    Checked m_checked;
};
