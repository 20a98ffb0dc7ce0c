#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace values {

// mantissa × 10^exponent. Resistances, tolerances and errors are held this way so that 4.7 kΩ is
// 47 × 10^2 and never the binary neighbour of 4700 a double would give.
//
// Kept normalised (no trailing zero digits in the mantissa, and 0 as {0, 0}), so that equal
// values have equal members; build values with MakeDecimal to keep that true.
struct Decimal {
    std::int64_t mantissa = 0;
    int exponent = 0;

    friend bool operator==(const Decimal&, const Decimal&) = default;
};

Decimal MakeDecimal(std::int64_t mantissa, int exponent = 0);
std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

// Digits of the mantissa without sign: 1 for 0, 2 for 4.7.
int SignificantDigits(Decimal value);
// The power of ten of the leading digit: 3 for 4700, -1 for 0.47; 0 for 0.
int LeadingPower(Decimal value);

// The results that could leave the range of the mantissa give std::nullopt instead of wrapping.
std::optional<Decimal> ScaledByPowerOfTen(Decimal value, int power);
std::optional<Decimal> Sum(Decimal a, Decimal b);
std::optional<Decimal> Difference(Decimal a, Decimal b);
std::optional<Decimal> Product(Decimal a, Decimal b);
// a / b rounded half away from zero to `decimals` places; std::nullopt also for b == 0.
std::optional<Decimal> RoundedQuotient(Decimal a, Decimal b, int decimals);

// An optional '-', digits and at most one '.' with a digit on at least one side ("4.7", ".5",
// "4700."); at most 18 significant digits, so every accepted text fits the mantissa.
std::optional<Decimal> DecimalFromText(std::string_view text);
// Plain positional text with '.' and no exponent or trailing zeros: "4.7", "0.047", "4700", "-2.1".
std::string DecimalText(Decimal value);

}  // namespace values
