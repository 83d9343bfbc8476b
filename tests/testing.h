#pragma once

// The core's tests run on Linux and, cross-built, under Wine: doctest needs no toolkit, and no
// threads, which the MinGW run-time here does not offer.
#define DOCTEST_CONFIG_NO_MULTITHREADING
#include <doctest.h>

#include <cstdio>
#include <string>

// A failed comparison of box texts prints them: ASCII as it is, the rest as \uXXXX.
template <> struct doctest::StringMaker<std::u16string> {
    static String convert(const std::u16string &text)
    {
        std::string out = "u\"";
        for (char16_t unit : text) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(unit));
            out += unit >= 0x20 && unit < 0x7F ? std::string(1, char(unit)) : escaped;
        }
        return (out + "\"").c_str();
    }
};
