#include "resolved.h"

namespace form {

ResolvedControl resolve(const ControlSpec &spec, int dpi)
{
    return {spec,
            pixelRect(spec, dpi),
            traits(spec.kind),
            screenReaderRole(spec),
            screenReaderName(spec),
            screenReaderDescription(spec),
            spec.colour,
            fontPixelSize(spec.font, dpi)};
}

} // namespace form
