#include "tabcycle.h"

#include <algorithm>

namespace form {

std::vector<const ControlSpec *> tabCycle()
{
    std::vector<const ControlSpec *> cycle;
    for (const ControlSpec &spec : controls)
        if (traits(spec.kind).takesFocus)
            cycle.push_back(&spec);
    std::sort(cycle.begin(), cycle.end(),
              [](const ControlSpec *a, const ControlSpec *b) { return a->tabIndex < b->tabIndex; });
    return cycle;
}

const ControlSpec &nextInTabCycle(std::string_view from, bool forward)
{
    const std::vector<const ControlSpec *> cycle = tabCycle();
    const auto here = std::find_if(cycle.begin(), cycle.end(),
                                   [from](const ControlSpec *spec) { return spec->name == from; });
    if (here == cycle.end())
        return forward ? *cycle.front() : *cycle.back();
    const std::size_t at = std::size_t(here - cycle.begin());
    return *cycle[(at + (forward ? 1 : cycle.size() - 1)) % cycle.size()];
}

} // namespace form
