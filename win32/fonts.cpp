#include "fonts.h"

#include "text.h"

Font createFont(const form::FontSpec &spec, int pixelSize)
{
    // A negative height asks for the em, not the cell.
    return Font(CreateFontW(-pixelSize, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic,
                            FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            wide(form::fontFamilies.front()).c_str()));
}
