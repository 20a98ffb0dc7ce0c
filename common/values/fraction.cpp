#include "common/values/fraction.h"

#include <cmath>
#include <stdexcept>

namespace values {

Fraction SeriesValue(const Fraction& a, const Fraction& b)
{
    return {a.numerator * b.denominator + b.numerator * a.denominator, a.denominator * b.denominator};
}

Fraction ParallelValue(const Fraction& a, const Fraction& b)
{
    return {a.numerator * b.numerator, a.numerator * b.denominator + b.numerator * a.denominator};
}

Fraction NetworkValue(const Network& shape, const std::uint64_t* parts)
{
    if (shape.join == Network::Join::Part)
        return {parts[shape.part], 1};
    Fraction value = NetworkValue(shape.branches.front(), parts);
    for (std::size_t i = 1; i < shape.branches.size(); ++i) {
        const Fraction branch = NetworkValue(shape.branches[i], parts);
        value = shape.join == Network::Join::Series ? SeriesValue(value, branch) : ParallelValue(value, branch);
    }
    return value;
}

Fraction FractionOf(Decimal value, int power)
{
    const long long exponent = static_cast<long long>(value.exponent) + power;
    if (value.mantissa < 0 || exponent < -150 || exponent > 150)
        throw std::out_of_range("no exact fraction for this value");
    const auto mantissa = static_cast<std::uint64_t>(value.mantissa);
    if (exponent >= 0)
        return {mantissa * PowerOfTen(static_cast<int>(exponent)), 1};
    return {mantissa, PowerOfTen(static_cast<int>(-exponent))};
}

std::strong_ordering Compare(const Fraction& a, const Fraction& b)
{
    return a.numerator * b.denominator <=> b.numerator * a.denominator;
}

Distance DistanceFrom(const Fraction& value, const Fraction& target)
{
    const WideUnsigned scaledValue = value.numerator * target.denominator;
    const WideUnsigned scaledTarget = target.numerator * value.denominator;
    const bool above = scaledValue > scaledTarget;
    return {above ? scaledValue - scaledTarget : scaledTarget - scaledValue, value.denominator, above};
}

std::strong_ordering Compare(const Distance& a, const Distance& b)
{
    return a.distance * b.scale <=> b.distance * a.scale;
}

namespace {

// numerator / denominator rounded half away from zero, with whether nothing was lost.
std::pair<std::uint64_t, bool> roundedQuotient(const WideUnsigned& numerator, const WideUnsigned& denominator)
{
    const auto [quotient, remainder] = Divide(numerator, denominator);
    if (!FitsIn64(quotient) || quotient.limbs[0] > static_cast<std::uint64_t>(INT64_MAX) - 1)
        throw std::overflow_error("rounded value beyond a decimal's range");
    const bool up = remainder + remainder >= denominator;
    return {quotient.limbs[0] + (up ? 1 : 0), remainder == WideUnsigned {}};
}

// Whether numerator / denominator ≥ 10^power.
bool atLeastPowerOfTen(const Fraction& value, int power)
{
    if (power >= 0)
        return value.numerator >= value.denominator * PowerOfTen(power);
    return value.numerator * PowerOfTen(-power) >= value.denominator;
}

}  // namespace

RoundedValue RoundToDigits(const Fraction& value, int digits, int power)
{
    int leading =
        static_cast<int>(std::floor(std::log10(ToDouble(value.numerator)) - std::log10(ToDouble(value.denominator))));
    while (!atLeastPowerOfTen(value, leading))
        --leading;
    while (atLeastPowerOfTen(value, leading + 1))
        ++leading;
    const int shift = digits - 1 - leading;
    const auto [quotient, exact] = shift >= 0
        ? roundedQuotient(value.numerator * PowerOfTen(shift), value.denominator)
        : roundedQuotient(value.numerator, value.denominator * PowerOfTen(-shift));
    return {MakeDecimal(static_cast<std::int64_t>(quotient), power - shift), exact};
}

Decimal RoundToPlaces(const Fraction& value, bool negative, int places)
{
    const auto magnitude =
        static_cast<std::int64_t>(roundedQuotient(value.numerator * PowerOfTen(places), value.denominator).first);
    return MakeDecimal(negative ? -magnitude : magnitude, -places);
}

}  // namespace values
