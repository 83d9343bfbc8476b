#include "events.h"

#include "runtimeerror.h"

#include <exception>

namespace form {

void Form1Events::click(std::string_view control)
{
    const Handler handler = clickHandler(control);
    if (!handler)
        return;
    try {
        (this->*handler)();
    } catch (const std::exception &error) {
        endWithRuntimeError(runtimeErrorMessage(error.what()));
    } catch (...) {
        endWithRuntimeError(runtimeErrorMessage({}));
    }
}

} // namespace form
