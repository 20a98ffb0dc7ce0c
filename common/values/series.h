#pragma once

#include "common/values/decimal.h"

#include <optional>
#include <vector>

namespace values {

// The preferred number series of IEC 60063, coarsest first. E1 (the powers of ten alone) is there
// for finding combinations from the sparsest drawer; no verdict on a single value names it, since
// calling 10 kΩ an E1 value would tell a user less than calling it E3.
enum class Series { E1, E3, E6, E12, E24, E48, E96, E192 };

// The members of one decade, 1 ≤ value < 10, ascending: 1, 2.2, 4.7 for E3.
const std::vector<Decimal>& SeriesDecade(Series series);

// Whether a positive value is a member at its own decade, whatever that decade is.
bool InSeries(Decimal value, Series series);

struct SeriesNeighbour {
    Decimal value;
    // (value − wanted) / wanted in percent, rounded half away from zero to 0.01: −2.13 below the
    // wanted value, 0 for the value itself.
    Decimal errorPercent;
};

struct SeriesNeighbours {
    SeriesNeighbour below;  // the largest member ≤ the wanted value
    SeriesNeighbour above;  // the smallest member ≥ the wanted value
};

// std::nullopt for values ≤ 0, which no series holds.
std::optional<SeriesNeighbours> NearestInSeries(Decimal value, Series series);

// The series whose steps a part of this tolerance is made in: 20 → E6, 10 → E12, 5 → E24, 2 → E48,
// 1 → E96, 0.5 and anything finer → E192. Other tolerances (3 %, 50 %, 0) have no series of their
// own, and offering the next finer one would suggest values nobody makes at that tolerance, so they
// give std::nullopt.
std::optional<Series> SeriesForTolerance(Decimal percent);

// Whether a value is a standard one for a part of a given tolerance. Parts are made in the steps of
// their tolerance's series and in coarser ones (4.7 kΩ ±1 %), never in finer ones: no ±20 % part
// comes as 210 kΩ, though E96 holds it. Without a tolerance, or with one that has no series, any
// series will do.
struct StandardVerdict {
    std::optional<Series> holding;  // the coarsest series that makes it standard
    std::optional<Series> expected;  // the series of the tolerance
    std::optional<Series> finer;  // when not standard: the coarsest finer series that holds it
};
StandardVerdict JudgeStandard(Decimal value, std::optional<Decimal> tolerancePercent);

}  // namespace values
