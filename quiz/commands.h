#pragma once

#include "answerkey.h"

#include <functional>
#include <string>
#include <string_view>

namespace quiz {

// What the commands need from the window: read and replace the whole text of a box by its
// name, and end the program.
class Form {
public:
    virtual ~Form() = default;
    virtual std::u16string text(std::string_view box) const = 0;
    virtual void setText(std::string_view box, std::u16string_view text) = 0;
    virtual void endProgram() = 0;
};

// Hears each judgement of "PRUEBA": the box's slot, what the learner typed and the verdict, just
// before the verdict replaces the typed text.
using Judged = std::function<void(const AnswerSlot &slot, std::u16string_view typed,
                                  std::u16string_view verdict)>;

// "PRUEBA": each box in key order is read, judged and overwritten with its verdict before the
// next one is read.
void checkAnswers(Form &form, const Judged &judged = nullptr);

// "BORRAR": every answer box becomes empty.
void clearAnswers(Form &form);

// "Salir".
void exitProgram(Form &form);

} // namespace quiz
