#pragma once

#include <array>
#include <compare>
#include <cstdint>

namespace values {

// An unsigned integer of 512 bits, for deciding exactly what doubles can only estimate: a network
// of four parts of at most 1 GΩ in milliohms is a fraction whose terms stay below 2^162, and the
// widest comparison multiplies three such terms by a decimal target. Leaving the range throws
// std::overflow_error, which those bounds keep from happening.
struct WideUnsigned {
    static constexpr std::size_t kLimbs = 8;
    std::array<std::uint64_t, kLimbs> limbs {};  // least significant first

    constexpr WideUnsigned() = default;
    constexpr WideUnsigned(std::uint64_t value)
        : limbs {value}
    { }  // NOLINT: implicit on purpose

    friend bool operator==(const WideUnsigned&, const WideUnsigned&) = default;
};

std::strong_ordering operator<=>(const WideUnsigned& a, const WideUnsigned& b);
WideUnsigned operator+(const WideUnsigned& a, const WideUnsigned& b);
// a − b for a ≥ b.
WideUnsigned operator-(const WideUnsigned& a, const WideUnsigned& b);
WideUnsigned operator*(const WideUnsigned& a, const WideUnsigned& b);

struct WideDivision {
    WideUnsigned quotient;
    WideUnsigned remainder;
};
WideDivision Divide(const WideUnsigned& dividend, const WideUnsigned& divisor);

WideUnsigned PowerOfTen(int power);
double ToDouble(const WideUnsigned& value);
bool FitsIn64(const WideUnsigned& value);

}  // namespace values
