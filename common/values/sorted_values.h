#pragma once

#include "common/values/finder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace values {

// The finder's tables of part and pair values, and the walks that find where in them a network
// built on one of their values comes nearest a target.

// A few operations on doubles lose about 10^-15 of the values involved; whatever lies closer than
// this share of them is decided exactly instead.
inline constexpr double kDoubleFuzz = 1e-12;

// Distinct values of single parts or of pairs, ascending; each with every choice of parts that
// gives exactly that value.
struct ValueTable {
    Network::Join join = Network::Join::Part;
    std::vector<double> values;
    std::vector<std::uint32_t> starts;  // group g is members[starts[g]] … members[starts[g + 1] − 1]
    std::vector<std::array<std::uint16_t, 2>> members;  // indexes of parts, the larger first

    std::size_t size() const { return values.size(); }
};

// A pair of parts, by index, the larger first, with the value they make.
struct PairValue {
    double value;
    std::uint16_t larger;
    std::uint16_t smaller;
};

// Least significant digit first on the bits of the values, which for positive doubles order as
// the values do: several times quicker than a comparison sort on a quarter of a million pairs.
void sortByValue(std::vector<PairValue>& items);

// The first index in [begin, end) where below(index) stops holding, below being true up to some
// point and false after it; found by galloping from start, near which it is expected.
template <class Below>
std::size_t firstNotBelow(std::size_t begin, std::size_t end, std::size_t start, Below below)
{
    auto lo = static_cast<long>(std::clamp(start, begin, end)) - 1;
    auto hi = lo + 1;
    const auto first = static_cast<long>(begin);
    const auto last = static_cast<long>(end);
    const auto isBelow = [&](long k) { return below(static_cast<std::size_t>(k)); };
    if (hi < last && isBelow(hi)) {
        lo = hi;
        long step = 1;
        while (lo + step < last && isBelow(lo + step)) {
            lo += step;
            step *= 2;
        }
        hi = std::min(lo + step, last);
    } else {
        long step = 1;
        while (hi - step >= first && !isBelow(hi - step)) {
            hi -= step;
            step *= 2;
        }
        lo = std::max(hi - step, first - 1);
    }
    while (hi - lo > 1) {
        const long middle = lo + (hi - lo) / 2;
        (isBelow(middle) ? lo : hi) = middle;
    }
    return static_cast<std::size_t>(hi);
}

// Calls visit(index, f(value)) for each group of values[begin, end) that may make f, increasing,
// nearest the target: those either side of where f crosses it, and every group a double cannot
// tell apart from them. Returns where f first reaches the target.
template <class F, class Visit>
std::size_t aroundCrossing(const std::vector<double>& values, std::size_t begin, std::size_t end, std::size_t start,
    const F& f, double target, Visit&& visit)
{
    const std::size_t crossing = firstNotBelow(begin, end, start, [&](std::size_t k) { return f(values[k]) < target; });
    double edge = target - kDoubleFuzz * target;
    bool passed = false;
    for (std::size_t k = crossing; k-- > begin;) {
        const double value = f(values[k]);
        if (value < edge) {
            if (passed)
                break;
            passed = true;
            edge = value - kDoubleFuzz * value;
        }
        visit(k, value);
    }
    edge = target + kDoubleFuzz * target;
    passed = false;
    for (std::size_t k = crossing; k < end; ++k) {
        const double value = f(values[k]);
        if (value > edge) {
            if (passed)
                break;
            passed = true;
            edge = value + kDoubleFuzz * value;
        }
        visit(k, value);
    }
    return crossing;
}

inline std::size_t lowerBound(const std::vector<double>& values, std::size_t hint, double x)
{
    return firstNotBelow(0, values.size(), hint, [&](std::size_t k) { return values[k] < x; });
}

inline std::size_t upperBound(const std::vector<double>& values, std::size_t hint, double x)
{
    return firstNotBelow(0, values.size(), hint, [&](std::size_t k) { return values[k] <= x; });
}

}  // namespace values
