#pragma once

#include <algorithm>
#include <string_view>

namespace common {

// The files' keywords, unit letters and markings are ASCII, and their bytes are compared as
// such: the <cctype> functions take a negative char as undefined behaviour and follow the user's
// locale, whose letter pairs need not be ASCII's (Turkish pairs "I" with a dotless i).

constexpr bool IsAsciiDigit(int c)
{
    return c >= '0' && c <= '9';
}

constexpr char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace common
