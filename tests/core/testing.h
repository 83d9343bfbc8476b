#pragma once

// The core's tests run on Linux and, cross-built, under Wine: doctest needs no toolkit, and no
// threads, which the MinGW run-time here does not offer.
#define DOCTEST_CONFIG_NO_MULTITHREADING
#include <doctest.h>

#include <cstdio>
#include <string>

// A failed comparison of box texts prints them: ASCII as it is, the rest as \uXXXX.
template <typename Char> struct TextMaker {
    static doctest::String convert(const std::basic_string<Char> &text)
    {
        std::string out = "\"";
        for (Char unit : text) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(unit));
            out += unit >= 0x20 && unit < 0x7F ? std::string(1, char(unit)) : escaped;
        }
        return (out + "\"").c_str();
    }
};
template <> struct doctest::StringMaker<std::u16string> : TextMaker<char16_t> {
};
template <> struct doctest::StringMaker<std::wstring> : TextMaker<wchar_t> {
};
