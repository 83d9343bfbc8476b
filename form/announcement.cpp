#include "announcement.h"

#include <vector>

namespace form {

// "Comprobado: BIEN en 8 de 11. ERROR en las respuestas 1, 4 y 9."
std::string checkedAnnouncement(const CheckResult &result)
{
    std::vector<std::size_t> wrong;
    for (std::size_t k = 0; k < result.verdicts.size(); ++k)
        if (result.verdicts[k] != quiz::verdictRight)
            wrong.push_back(k + 1);
    std::string said = "Comprobado: BIEN en " + std::to_string(result.rightCount()) + " de " +
                       std::to_string(result.verdicts.size()) + ".";
    if (wrong.empty())
        return said;
    said += wrong.size() == 1 ? " ERROR en la respuesta " : " ERROR en las respuestas ";
    for (std::size_t i = 0; i < wrong.size(); ++i) {
        if (i > 0)
            said += i + 1 == wrong.size() ? " y " : ", ";
        said += std::to_string(wrong[i]);
    }
    return said + ".";
}

} // namespace form
