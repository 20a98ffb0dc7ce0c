#pragma once

#include "common/values/decimal.h"

#include <optional>
#include <string_view>
#include <utility>

namespace values {

// What a person types for a resistance, optionally followed by a tolerance:
//   "4700", "4.7k", "4,7k", "1e3", "4.7 kΩ", "4.7kohm", "10 ohm", "10 Ω"  (number, prefix, unit)
//   "4k7", "4K7", "2R2", "R47", "470R", "1M"                              (letter for the point)
//   "4k7 5%", "4.7 kΩ ±5 %", "4k7 +/-5%"                                  (tolerance in percent)
// Blanks around the parts are ignored. A comma is a decimal mark, like the point. A mark followed by
// exactly three digits and no prefix or exponent ("1,000", "4.700 Ω") is refused: it separates
// thousands to some and decimals to others, and a guess would be off by a factor of a thousand.
// Prefixes are k, M, G and T in either case, except "m": in a resistor field it means mega to some
// and milli to others (1 MΩ pull-ups and 1 mΩ shunts are both common), so it is refused rather
// than guessed.
struct TypedValue {
    Decimal ohms;
    std::optional<Decimal> tolerancePercent;

    friend bool operator==(const TypedValue&, const TypedValue&) = default;
};

enum class ValueError {
    None,
    Empty,  // nothing but blanks
    NotANumber,  // no digits where the value should start
    NotPositive,  // "-4k7" or "0": no resistor has that value
    AmbiguousPrefix,  // "1m"
    TrailingText,  // a value followed by something that is not a tolerance
    BadTolerance,  // "±", "4k7 0%" or "4k7 120%"
    TooSmall,  // below 0.001 Ω
    TooLarge,  // above 1 TΩ
    TooManyDigits,  // more than 15 significant digits, more than the panels can show
    AmbiguousMark,  // "1,000": a thousand or one
};

struct ValueReading {
    std::optional<TypedValue> value;  // set exactly when error is ValueError::None
    ValueError error = ValueError::None;
    // For AmbiguousMark: what the text means with the mark as a thousands separator, then as a decimal mark.
    std::optional<std::pair<TypedValue, TypedValue>> meanings;
};

ValueReading ReadTypedValue(std::string_view text);

}  // namespace values
