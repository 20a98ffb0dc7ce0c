#pragma once

#include "common/values/decimal.h"
#include "common/values/finder.h"
#include "common/values/wide_unsigned.h"

#include <compare>
#include <cstdint>

namespace values {

// A non-negative value held exactly as numerator / denominator, never reduced: the finder's
// resistances in milliohms, ratios and targets.
struct Fraction {
    WideUnsigned numerator;
    WideUnsigned denominator = 1;
};

// The exact value of a network of parts given in milliohms.
Fraction NetworkValue(const Network& shape, const std::uint64_t* parts);
Fraction SeriesValue(const Fraction& a, const Fraction& b);
Fraction ParallelValue(const Fraction& a, const Fraction& b);

// value × 10^power for a value ≥ 0 whose decimal exponent plus power lies within ±150.
Fraction FractionOf(Decimal value, int power = 0);

std::strong_ordering Compare(const Fraction& a, const Fraction& b);

// |value − target| in units that only compare with others of the same target: distance / scale.
struct Distance {
    WideUnsigned distance;
    WideUnsigned scale;
    bool above = false;  // value > target
};
Distance DistanceFrom(const Fraction& value, const Fraction& target);
std::strong_ordering Compare(const Distance& a, const Distance& b);

struct RoundedValue {
    Decimal value;
    bool exact = true;
};
// value × 10^power, value > 0, rounded half away from zero to `digits` significant digits.
RoundedValue RoundToDigits(const Fraction& value, int digits, int power = 0);
// ±value rounded half away from zero to `places` decimal places; the result must fit a Decimal.
Decimal RoundToPlaces(const Fraction& value, bool negative, int places);

}  // namespace values
