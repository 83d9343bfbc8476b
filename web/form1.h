#pragma once

#include "events.h"

class LearningPlatform;

// The drill's one window as the page holds it: picture boxes are groups holding native <input>
// answer boxes, the buttons native <button>s, every one found by its name. A click anywhere in
// the page goes to the event table by the id of the element clicked; the form's scale, its focus
// and its tab order are the page's own.
class Form1 : public form::Form1Events {
public:
    explicit Form1(LearningPlatform &platform);
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    // Where the form was ended: the whole form as the page first held it, with the focus on
    // "PRUEBA".
    void restart();

    std::u16string text(std::string_view box) const override;
    void setText(std::string_view box, std::u16string_view text) override;
    // A page cannot always close its tab: where the browser refuses, the form gives way to a word
    // that the drill has ended. Also how the drill ends once a run-time error has been read.
    void endProgram() override;

protected:
    // The standard report in a dialog of the page's own.
    void endWithRuntimeError(const std::string &message) override;
    // Through the page's live region, which is there from its load.
    void announce(const std::string &text) override;
    void answersChecked(const quiz::CheckResult &result) override;

private:
    // The box of that name in the form; a run-time error where there is none.
    static std::string_view answerBox(std::string_view name);

    LearningPlatform &m_platform;
    bool m_ended = false;
};
