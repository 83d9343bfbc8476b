#include "colours.h"

#include "layouttable.h"

namespace {

bool isSystemColour(std::uint32_t value)
{
    return value & form::systemColourFlag;
}

} // namespace

COLORREF resolveColour(std::uint32_t value)
{
    return isSystemColour(value) ? GetSysColor(int(value & 0xFF)) : COLORREF(value);
}

ColourBrush::ColourBrush(std::uint32_t value)
    : m_value(value), m_own(isSystemColour(value) ? nullptr : CreateSolidBrush(COLORREF(value)))
{
}

HBRUSH ColourBrush::get() const
{
    return m_own ? m_own.get() : GetSysColorBrush(int(m_value & 0xFF));
}
