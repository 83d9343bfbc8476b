#include "runtimeerror.h"

#include <stdexcept>

namespace form {

std::string runtimeErrorMessage(std::string_view description)
{
    std::string message = "Se ha producido un error en tiempo de ejecución.";
    if (!description.empty())
        message.append("\n\n").append(description);
    return message;
}

void throwMissingControl(std::string_view name)
{
    throw std::runtime_error("No se encuentra el control " + std::string(name) + ".");
}

void throwFailedWrite(std::string_view name)
{
    throw std::runtime_error("No se puede cambiar el texto de " + std::string(name) + ".");
}

void throwFailedClass()
{
    throw std::runtime_error("No se puede registrar la clase de ventana.");
}

void throwFailedWindow(std::string_view name)
{
    throw std::runtime_error("No se puede crear la ventana " + std::string(name) + ".");
}

void throwFailedControl(std::string_view name)
{
    throw std::runtime_error("No se puede crear el control " + std::string(name) + ".");
}

} // namespace form
