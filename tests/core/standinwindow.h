#pragma once

#include "events.h"

#include <map>
#include <string>
#include <vector>

// The window as eleven plain strings standing in for its boxes, every one right at first; or,
// when failing, every box failing with an exception of no standard type. It keeps the reports
// it shows, what it announces and what each "PRUEBA" found. (The key's names themselves are typed
// as a learner types them by the real-window and browser scenarios and the SCORM test.)
struct StandInWindow : form::Form1Events {
    std::map<std::string, std::u16string, std::less<>> boxes;
    bool failing = false, ended = false;
    std::vector<std::string> reports, announcements;
    std::vector<quiz::CheckResult> results;

    StandInWindow()
    {
        for (const quiz::AnswerSlot &slot : quiz::answerKey)
            boxes[std::string(slot.box)] = slot.expected;
    }
    std::u16string text(std::string_view box) const override
    {
        failIfAsked();
        return (*this)[box];
    }
    void setText(std::string_view box, std::u16string_view text) override
    {
        failIfAsked();
        boxes.at(std::string(box)) = text;
    }
    void endProgram() override { ended = true; }
    void endWithRuntimeError(const std::string &message) override { reports.push_back(message); }
    void announce(const std::string &text) override { announcements.push_back(text); }
    void answersChecked(const quiz::CheckResult &result) override { results.push_back(result); }
    std::u16string operator[](std::string_view box) const { return boxes.at(std::string(box)); }

private:
    void failIfAsked() const
    {
        if (failing)
            throw 42; // of no standard type
    }
};
