#include "systemcolours.h"

#include "layouttable.h"

COLORREF resolveColour(std::uint32_t value)
{
    return form::isSystemColour(value) ? GetSysColor(form::systemColourIndex(value))
                                       : COLORREF(value);
}

ColourBrush::ColourBrush(std::uint32_t value)
    : m_value(value),
      m_own(form::isSystemColour(value) ? nullptr : CreateSolidBrush(COLORREF(value)))
{
}

HBRUSH ColourBrush::get() const
{
    return m_own ? m_own.get() : GetSysColorBrush(form::systemColourIndex(m_value));
}
