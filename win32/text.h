#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The core's texts are UTF-8 and UTF-16; Windows speaks UTF-16 in wchar_t, which is 16 bits here.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring wide(std::string_view utf8);

// The whole text of a window: a control's caption, an answer box's contents.
std::wstring windowText(HWND window);

inline std::wstring_view wide(std::u16string_view utf16)
{
    return {reinterpret_cast<const wchar_t *>(utf16.data()), utf16.size()};
}

inline std::u16string utf16(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t *>(text.data()), text.size()};
}
