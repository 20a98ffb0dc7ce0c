#pragma once

#include "common/values/finder.h"
#include "common/values/fraction.h"

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace values {

// The search behind FindCombinations and FindDivider, on parts in whole milliohms.

struct FoundCombination {
    Topology topology = Topology::Single;
    std::array<std::uint64_t, 4> parts {};  // in the topology's order, interchangeable ones largest first
};

struct FoundLeg {
    Topology topology = Topology::Single;  // Single, Series2 or Parallel2
    std::array<std::uint64_t, 2> parts {};
};

struct FoundDivider {
    FoundLeg top;
    FoundLeg bottom;
};

struct FoundDividers {
    std::optional<FoundDivider> single;
    std::optional<FoundDivider> twoPerLeg;
};

struct SearchStopped { };

Fraction ValueOf(const FoundCombination& combination);
Fraction ValueOf(const FoundLeg& leg);
// R2 / (R1 + R2).
Fraction RatioOf(const FoundDivider& divider);

// After the distance to the target: fewer distinct values, the smaller largest value, the smaller
// parts largest first, fewer parts, the order of the topologies, the smaller parts as listed.
std::strong_ordering CompareTies(const FoundCombination& a, const FoundCombination& b);

// The closest of each topology of 1 … maxParts parts, in the order of Topology. Parts ascending,
// target in milliohms. Throws SearchStopped when the token asks.
std::vector<FoundCombination> SearchCombinations(
    const std::vector<std::uint64_t>& parts, const Fraction& target, int maxParts, std::stop_token stop);

// The closest ratio to `ratio` with R1 + R2 within [lowestTotal, highestTotal] (milliohms).
FoundDividers SearchDividers(const std::vector<std::uint64_t>& parts, const Fraction& ratio,
    const Fraction& lowestTotal, const Fraction& highestTotal, bool twoPerLeg, std::stop_token stop);

}  // namespace values
