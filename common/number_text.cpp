#include "common/number_text.h"

#include "common/ascii.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace common {

std::string GeneralNumberText(double value, std::string_view decimalSeparator)
{
    if (value == 0.0)
        return "0";  // never "-0"

    std::array<char, 64> buffer {};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text;
    for (const char* p = buffer.data(); p != result.ptr; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else if (*p == 'e')
            text += 'E';
        else
            text += *p;
    }
    return text;
}

namespace {

bool isIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

}  // namespace

double LeadingNumber(std::string_view text, std::string_view decimalMark)
{
    std::string compact;
    compact.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!decimalMark.empty() && text.substr(i).starts_with(decimalMark)) {
            compact += '.';
            i += decimalMark.size() - 1;
        } else if (!isIgnored(text[i])) {
            compact += text[i];
        }
    }

    std::size_t pos = 0;
    bool negative = false;
    if (pos < compact.size() && (compact[pos] == '+' || compact[pos] == '-')) {
        negative = compact[pos] == '-';
        ++pos;
    }

    const std::size_t mantissaStart = pos;
    std::size_t digitCount = 0;
    // Rough power of ten of the mantissa, only used to tell overflow from underflow.
    long long magnitude = 0;
    bool seenNonZero = false;
    while (pos < compact.size() && IsAsciiDigit(compact[pos])) {
        seenNonZero = seenNonZero || compact[pos] != '0';
        if (seenNonZero)
            ++magnitude;
        ++pos;
        ++digitCount;
    }
    if (pos < compact.size() && compact[pos] == '.') {
        ++pos;
        while (pos < compact.size() && IsAsciiDigit(compact[pos])) {
            if (!seenNonZero && compact[pos] == '0')
                --magnitude;
            seenNonZero = seenNonZero || compact[pos] != '0';
            ++pos;
            ++digitCount;
        }
    }
    if (digitCount == 0)
        return 0.0;
    std::size_t end = pos;

    long long exponent = 0;
    if (pos < compact.size() && (compact[pos] == 'e' || compact[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        bool expNegative = false;
        if (expPos < compact.size() && (compact[expPos] == '+' || compact[expPos] == '-')) {
            expNegative = compact[expPos] == '-';
            ++expPos;
        }
        const std::size_t expDigitsStart = expPos;
        constexpr long long kSaturated = 1'000'000'000;
        while (expPos < compact.size() && IsAsciiDigit(compact[expPos])) {
            exponent = std::min(kSaturated, exponent * 10 + (compact[expPos] - '0'));
            ++expPos;
        }
        if (expPos > expDigitsStart) {
            end = expPos;
            if (expNegative)
                exponent = -exponent;
        } else {
            exponent = 0;
        }
    }

    double value = 0.0;
    const auto result =
        std::from_chars(compact.data() + mantissaStart, compact.data() + end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = (seenNonZero && magnitude + exponent > 0) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return (negative && value != 0.0) ? -value : value;
}

}  // namespace common
