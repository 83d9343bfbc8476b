#pragma once

#include "answerkey.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quiz {

// What the commands need from the window: read and replace the whole text of a box by its
// name, and end the program.
class Window {
public:
    virtual ~Window() = default;
    virtual std::u16string text(std::string_view box) const = 0;
    virtual void setText(std::string_view box, std::u16string_view text) = 0;
    virtual void endProgram() = 0;
};

// What "PRUEBA" found in one box, before its verdict replaced what the learner had typed.
struct Judgement {
    std::u16string typed;
    bool right;
};

// What one "PRUEBA" found, box by box in key order.
struct CheckResult {
    std::array<Judgement, answerKey.size()> boxes;

    std::size_t rightCount() const;
    bool allRight() const { return rightCount() == boxes.size(); }
};

// "PRUEBA": each box in key order is read, judged and overwritten with its verdict before the
// next one is read. A box that cannot be read or written throws, and the boxes before it keep
// their verdicts.
CheckResult checkAnswers(Window &window);

// "BORRAR".
void clearAnswers(Window &window);

// "Salir".
void exitProgram(Window &window);

} // namespace quiz
