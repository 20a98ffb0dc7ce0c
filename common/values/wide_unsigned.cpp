#include "common/values/wide_unsigned.h"

#include <cmath>
#include <stdexcept>

namespace values {

namespace {

__extension__ typedef unsigned __int128 DoubleLimb;

[[noreturn]] void overflow()
{
    throw std::overflow_error("value beyond 512 bits");
}

std::size_t usedLimbs(const WideUnsigned& value)
{
    std::size_t used = WideUnsigned::kLimbs;
    while (used > 0 && value.limbs[used - 1] == 0)
        --used;
    return used;
}

WideUnsigned shiftedLeftOne(const WideUnsigned& value)
{
    if (value.limbs.back() >> 63)
        overflow();
    WideUnsigned shifted;
    for (std::size_t i = WideUnsigned::kLimbs; i-- > 0;)
        shifted.limbs[i] = (value.limbs[i] << 1) | (i > 0 ? value.limbs[i - 1] >> 63 : 0);
    return shifted;
}

}  // namespace

std::strong_ordering operator<=>(const WideUnsigned& a, const WideUnsigned& b)
{
    for (std::size_t i = WideUnsigned::kLimbs; i-- > 0;) {
        if (a.limbs[i] != b.limbs[i])
            return a.limbs[i] <=> b.limbs[i];
    }
    return std::strong_ordering::equal;
}

WideUnsigned operator+(const WideUnsigned& a, const WideUnsigned& b)
{
    WideUnsigned sum;
    bool carry = false;
    for (std::size_t i = 0; i < WideUnsigned::kLimbs; ++i) {
        std::uint64_t limb = 0;
        const bool first = __builtin_add_overflow(a.limbs[i], b.limbs[i], &limb);
        const bool second = __builtin_add_overflow(limb, static_cast<std::uint64_t>(carry), &sum.limbs[i]);
        carry = first || second;
    }
    if (carry)
        overflow();
    return sum;
}

WideUnsigned operator-(const WideUnsigned& a, const WideUnsigned& b)
{
    WideUnsigned difference;
    bool borrow = false;
    for (std::size_t i = 0; i < WideUnsigned::kLimbs; ++i) {
        std::uint64_t limb = 0;
        const bool first = __builtin_sub_overflow(a.limbs[i], b.limbs[i], &limb);
        const bool second = __builtin_sub_overflow(limb, static_cast<std::uint64_t>(borrow), &difference.limbs[i]);
        borrow = first || second;
    }
    if (borrow)
        throw std::underflow_error("negative unsigned difference");
    return difference;
}

WideUnsigned operator*(const WideUnsigned& a, const WideUnsigned& b)
{
    const std::size_t usedA = usedLimbs(a);
    const std::size_t usedB = usedLimbs(b);
    if (usedA + usedB > WideUnsigned::kLimbs + 1)
        overflow();
    std::array<std::uint64_t, 2 * WideUnsigned::kLimbs> product {};
    for (std::size_t i = 0; i < usedA; ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < usedB; ++j) {
            const DoubleLimb term = static_cast<DoubleLimb>(a.limbs[i]) * b.limbs[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint64_t>(term);
            carry = static_cast<std::uint64_t>(term >> 64);
        }
        product[i + usedB] = carry;
    }
    WideUnsigned result;
    for (std::size_t i = 0; i < product.size(); ++i) {
        if (i < WideUnsigned::kLimbs)
            result.limbs[i] = product[i];
        else if (product[i] != 0)
            overflow();
    }
    return result;
}

WideDivision Divide(const WideUnsigned& dividend, const WideUnsigned& divisor)
{
    if (divisor == WideUnsigned {})
        throw std::domain_error("division by zero");
    WideDivision division;
    for (std::size_t bit = WideUnsigned::kLimbs * 64; bit-- > 0;) {
        division.remainder = shiftedLeftOne(division.remainder);
        division.remainder.limbs[0] |= (dividend.limbs[bit / 64] >> (bit % 64)) & 1;
        if (division.remainder >= divisor) {
            division.remainder = division.remainder - divisor;
            division.quotient.limbs[bit / 64] |= std::uint64_t {1} << (bit % 64);
        }
    }
    return division;
}

WideUnsigned PowerOfTen(int power)
{
    WideUnsigned value = 1;
    for (int i = 0; i < power; ++i)
        value = value * 10;
    return value;
}

double ToDouble(const WideUnsigned& value)
{
    double result = 0;
    for (std::size_t i = WideUnsigned::kLimbs; i-- > 0;)
        result = result * 0x1p64 + static_cast<double>(value.limbs[i]);
    return result;
}

bool FitsIn64(const WideUnsigned& value)
{
    return usedLimbs(value) <= 1;
}

}  // namespace values
