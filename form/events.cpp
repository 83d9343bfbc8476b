#include "events.h"

#include "runtimeerror.h"

#include <exception>

namespace form {

void Form1Events::click(std::string_view control)
{
    for (const ClickEvent &event : clickEvents()) {
        if (event.control != control)
            continue;
        try {
            (this->*event.handler)();
        } catch (const std::exception &error) {
            endWithRuntimeError(runtimeErrorMessage(error.what()));
        } catch (...) {
            endWithRuntimeError(runtimeErrorMessage({}));
        }
        return;
    }
}

} // namespace form
