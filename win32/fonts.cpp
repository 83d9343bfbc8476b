#include "fonts.h"

#include "geometry.h"
#include "text.h"

Font createFont(const form::FontSpec &spec, int dpi)
{
    // A negative height asks for the em, not the cell: 8.25 pt is 11 pixels at 96 dpi.
    return Font(CreateFontW(
        -form::fontPixelSize(spec, dpi), 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic,
        FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_SWISS, wide(form::fontFamilies.front()).c_str()));
}
