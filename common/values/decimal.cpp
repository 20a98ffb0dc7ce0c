#include "common/values/decimal.h"

#include "common/ascii.h"

#include <algorithm>
#include <array>
#include <limits>

namespace values {

namespace {

using Magnitude = std::uint64_t;

// 10^19 is the largest power of ten an unsigned 64-bit value holds; every padded mantissa in a
// comparison stays below it.
constexpr int kMaxPower = 19;

constexpr std::array<Magnitude, kMaxPower + 1> kPowersOfTen = [] {
    std::array<Magnitude, kMaxPower + 1> powers {};
    Magnitude power = 1;
    for (auto& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

Magnitude magnitudeOf(std::int64_t mantissa)
{
    // Negating in unsigned arithmetic keeps the most negative mantissa defined.
    const auto bits = static_cast<Magnitude>(mantissa);
    return mantissa < 0 ? 0 - bits : bits;
}

int digitCount(Magnitude magnitude)
{
    int digits = 1;
    while (digits < kMaxPower + 1 && magnitude >= kPowersOfTen[digits])
        ++digits;
    return digits;
}

std::optional<std::int64_t> timesPowerOfTen(std::int64_t mantissa, long long power)
{
    if (mantissa == 0)
        return 0;
    if (power < 0 || power >= kMaxPower)
        return std::nullopt;
    std::int64_t result = 0;
    if (__builtin_mul_overflow(mantissa, static_cast<std::int64_t>(kPowersOfTen[power]), &result))
        return std::nullopt;
    return result;
}

std::optional<Decimal> checked(std::int64_t mantissa, long long exponent)
{
    if (exponent < std::numeric_limits<int>::min() || exponent > std::numeric_limits<int>::max())
        return std::nullopt;
    return MakeDecimal(mantissa, static_cast<int>(exponent));
}

}  // namespace

Decimal MakeDecimal(std::int64_t mantissa, int exponent)
{
    if (mantissa == 0)
        return {};
    while (mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    return {mantissa, exponent};
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b)
{
    const auto signOf = [](const Decimal& d) { return (d.mantissa > 0) - (d.mantissa < 0); };
    if (signOf(a) != signOf(b) || a.mantissa == 0)
        return signOf(a) <=> signOf(b);

    std::strong_ordering magnitudeOrder = LeadingPower(a) <=> LeadingPower(b);
    if (magnitudeOrder == 0) {
        const int digitsA = SignificantDigits(a);
        const int digitsB = SignificantDigits(b);
        const int digits = std::max(digitsA, digitsB);
        magnitudeOrder = magnitudeOf(a.mantissa) * kPowersOfTen[digits - digitsA] <=>
            magnitudeOf(b.mantissa) * kPowersOfTen[digits - digitsB];
    }
    return a.mantissa > 0 ? magnitudeOrder : 0 <=> magnitudeOrder;
}

int SignificantDigits(Decimal value)
{
    return digitCount(magnitudeOf(value.mantissa));
}

int LeadingPower(Decimal value)
{
    return value.mantissa == 0 ? 0 : value.exponent + SignificantDigits(value) - 1;
}

std::optional<Decimal> ScaledByPowerOfTen(Decimal value, int power)
{
    if (value.mantissa == 0)
        return value;
    return checked(value.mantissa, static_cast<long long>(value.exponent) + power);
}

std::optional<Decimal> Sum(Decimal a, Decimal b)
{
    const int exponent = std::min(a.exponent, b.exponent);
    const auto alignedA = timesPowerOfTen(a.mantissa, static_cast<long long>(a.exponent) - exponent);
    const auto alignedB = timesPowerOfTen(b.mantissa, static_cast<long long>(b.exponent) - exponent);
    std::int64_t sum = 0;
    if (!alignedA || !alignedB || __builtin_add_overflow(*alignedA, *alignedB, &sum))
        return std::nullopt;
    return MakeDecimal(sum, exponent);
}

std::optional<Decimal> Difference(Decimal a, Decimal b)
{
    if (b.mantissa == std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return Sum(a, {-b.mantissa, b.exponent});
}

std::optional<Decimal> Product(Decimal a, Decimal b)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a.mantissa, b.mantissa, &product))
        return std::nullopt;
    return checked(product, static_cast<long long>(a.exponent) + b.exponent);
}

std::optional<Decimal> RoundedQuotient(Decimal a, Decimal b, int decimals)
{
    if (b.mantissa == 0)
        return std::nullopt;
    const long long shift = static_cast<long long>(a.exponent) - b.exponent + decimals;
    const auto numerator = shift >= 0 ? timesPowerOfTen(a.mantissa, shift) : a.mantissa;
    const auto denominator = shift >= 0 ? b.mantissa : timesPowerOfTen(b.mantissa, -shift);
    if (!numerator || !denominator)
        return std::nullopt;

    const Magnitude dividend = magnitudeOf(*numerator);
    const Magnitude divisor = magnitudeOf(*denominator);
    Magnitude quotient = dividend / divisor;
    const Magnitude remainder = dividend % divisor;
    if (remainder >= divisor - remainder)
        ++quotient;
    if (quotient > static_cast<Magnitude>(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(quotient);
    const bool negative = (*numerator < 0) != (*denominator < 0);
    return checked(negative ? -magnitude : magnitude, -static_cast<long long>(decimals));
}

std::optional<Decimal> DecimalFromText(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);

    std::int64_t mantissa = 0;
    int exponent = 0;
    int significant = 0;
    int pendingZeros = 0;  // zeros after the last non-zero digit; significant only if one follows
    bool seenDigit = false;
    bool seenPoint = false;
    for (const char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!common::IsAsciiDigit(c))
            return std::nullopt;
        seenDigit = true;
        if (seenPoint)
            --exponent;
        if (c == '0') {
            pendingZeros += mantissa != 0;
            continue;
        }
        significant += pendingZeros + 1;
        if (significant > 18)
            return std::nullopt;
        mantissa = mantissa * static_cast<std::int64_t>(kPowersOfTen[pendingZeros + 1]) + (c - '0');
        pendingZeros = 0;
    }
    if (!seenDigit)
        return std::nullopt;
    return MakeDecimal(negative ? -mantissa : mantissa, exponent + pendingZeros);
}

std::string DecimalText(Decimal value)
{
    std::string digits = std::to_string(magnitudeOf(value.mantissa));
    if (value.exponent >= 0) {
        if (value.mantissa != 0)
            digits.append(static_cast<std::size_t>(value.exponent), '0');
    } else {
        const auto fractionDigits = static_cast<std::size_t>(-static_cast<long long>(value.exponent));
        if (fractionDigits >= digits.size())
            digits.insert(0, fractionDigits - digits.size() + 1, '0');
        digits.insert(digits.size() - fractionDigits, 1, '.');
    }
    return value.mantissa < 0 ? '-' + digits : digits;
}

}  // namespace values
