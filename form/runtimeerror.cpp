#include "runtimeerror.h"

#include <stdexcept>

namespace form {

namespace {

[[noreturn]] void raise(std::string_view what, std::string_view name = {})
{
    std::string description(what);
    if (!name.empty())
        description.append(" ").append(name);
    throw std::runtime_error(description.append("."));
}

} // namespace

std::string runtimeErrorMessage(std::string_view description)
{
    std::string message = "Se ha producido un error en tiempo de ejecución.";
    if (!description.empty())
        message.append("\n\n").append(description);
    return message;
}

void throwMissingControl(std::string_view name)
{
    raise("No se encuentra el control", name);
}

void throwTextNotWritten(std::string_view name)
{
    raise("No se puede cambiar el texto de", name);
}

void throwWindowClassNotMade()
{
    raise("No se puede registrar la clase de ventana");
}

void throwWindowNotMade(std::string_view name)
{
    raise("No se puede crear la ventana", name);
}

void throwControlNotMade(std::string_view name)
{
    raise("No se puede crear el control", name);
}

} // namespace form
