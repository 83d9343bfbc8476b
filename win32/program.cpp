#include "program.h"

#include "form1.h"
#include "runtimeerror.h"

#include <optional>
#include <stdexcept>

int runProgram(HINSTANCE instance, int showCommand)
{
    std::optional<Form1> form;
    try {
        form.emplace(instance);
    } catch (const std::runtime_error &error) {
        showRuntimeError(nullptr, form::runtimeErrorMessage(error.what()));
        return form::runtimeErrorStatus;
    }
    form->show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        form->dispatch(message);
    return int(message.wParam);
}
