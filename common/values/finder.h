#pragma once

#include "common/values/decimal.h"
#include "common/values/series.h"

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace values {

// Standard parts joined in series and parallel to make a value no single part has, and pairs of
// them for voltage dividers. Every answer is the closest there is, not a good guess: resistances
// are compared as exact fractions, never through a double alone.
//
// The rule for "closest", everywhere in this file:
//   1. the smaller relative error, |R − wanted| / wanted;
//   2. on a tie, fewer distinct values (two 10 k in parallel before 6.8 k ∥ 22 k for 5 k, since it
//      needs one kind of part in the drawer);
//   3. then the smaller largest value;
//   4. then the smaller parts, compared largest first, so that every answer is one answer.

// How up to four parts are joined; a, b, c, d are the parts in the order they are listed. Parts
// that could change places without changing the network are listed largest first.
enum class Topology {
    Single,  // a
    Series2,  // a + b
    Parallel2,  // a ∥ b
    Series3,  // a + b + c
    Parallel3,  // a ∥ b ∥ c
    ParallelPairInSeries,  // (a ∥ b) + c
    SeriesPairInParallel,  // (a + b) ∥ c
    Series4,  // a + b + c + d
    Parallel4,  // a ∥ b ∥ c ∥ d
    ParallelPairInSeries4,  // (a ∥ b) + c + d
    SeriesPairInParallel4,  // (a + b) ∥ c ∥ d
    ParallelTripleInSeries,  // (a ∥ b ∥ c) + d
    SeriesTripleInParallel,  // (a + b + c) ∥ d
    ParallelPairsInSeries,  // (a ∥ b) + (c ∥ d)
    SeriesPairsInParallel,  // (a + b) ∥ (c + d)
    ParallelPairInSeriesInParallel,  // ((a ∥ b) + c) ∥ d
    SeriesPairInParallelInSeries,  // ((a + b) ∥ c) + d
};

int PartCount(Topology topology);

// The shape of a network, for drawing it: a part, or branches joined in series or in parallel.
struct Network {
    enum class Join { Part, Series, Parallel };
    Join join = Join::Part;
    int part = 0;  // for Join::Part: the index into the parts
    std::vector<Network> branches;  // for Series and Parallel: two or more
};
const Network& ShapeOf(Topology topology);

// "(4K7 ∥ 2K2) + 1K0" from the parts' texts, one per part, in the order of the topology's parts.
std::string NetworkText(Topology topology, const std::vector<std::string>& partTexts);

// "E1" … "E192", and back, in either case; std::nullopt for a name that is none.
std::string_view SeriesName(Series series);
std::optional<Series> SeriesFromName(std::string_view name);

// The members of a series from lowest to highest, both included, ascending.
std::vector<Decimal> SeriesValues(Series series, Decimal lowest, Decimal highest);

enum class FinderError {
    None,
    BadTarget,  // a wanted value ≤ 0 or outside the range below; a divider with Vout ≥ Vin or ≤ 0,
                // Vout below 10^-12 of Vin (whose error would not fit a Decimal), or volts past 10^±30
    BadRange,  // lowest > highest, or outside 0.1 Ω … 1 GΩ, where the exact arithmetic holds
    NoParts,  // no member of the series in the range, or every one of them excluded
    NoAnswer,  // a divider: no choice of parts gives a total in the range asked for
    Stopped,  // the stop token asked the search to end
};

struct PartSource {
    Series series = Series::E24;
    Decimal lowest = MakeDecimal(1);  // the smallest part that may be used, in ohms
    Decimal highest = MakeDecimal(1, 7);  // the largest, 10 MΩ
    std::vector<Decimal> excluded;  // values not in the drawer
};

// A resistance as it is shown: rounded to 4 significant digits, half away from zero.
struct ShownResistance {
    Decimal ohms;
    bool exact = true;  // whether ohms is the network's exact value rather than its rounding
};

struct Combination {
    Topology topology = Topology::Single;
    std::vector<Decimal> parts;
    ShownResistance resistance;
    // (R − wanted) / wanted × 100, rounded half away from zero to 0.001; the sign tells the side.
    Decimal errorPercent;
    bool exactMatch = false;  // R is exactly the wanted value
};

struct CombinationQuery {
    Decimal wanted;
    PartSource parts;
    int maxParts = 3;  // 1 … 4
};

struct CombinationAnswer {
    // For every topology of 1 … maxParts parts, the closest combination of that topology; the
    // list runs from the smallest error, then from the fewest parts (one 1 k before
    // (750 ∥ 750 ∥ 750) + 750 for 1 k), then by the rest of the rule and the order of Topology.
    std::vector<Combination> best;
    FinderError error = FinderError::None;  // best is empty unless None
};

CombinationAnswer FindCombinations(const CombinationQuery& query, std::stop_token stop = {});

// A voltage divider: R1 from Vin to the output, R2 from the output to ground.
struct DividerQuery {
    Decimal vin;  // volts; for a bare ratio, 1
    Decimal vout;  // 0 < vout < vin
    PartSource parts;
    Decimal lowestTotal = MakeDecimal(1, 3);  // R1 + R2, which sets the current the divider draws
    Decimal highestTotal = MakeDecimal(1, 6);
    bool twoPerLeg = false;  // also each leg as one part, or two in series or in parallel
};

struct DividerLeg {
    Topology topology = Topology::Single;  // Single, Series2 or Parallel2
    std::vector<Decimal> parts;
    ShownResistance resistance;
};

struct Divider {
    DividerLeg top;  // R1
    DividerLeg bottom;  // R2
    Decimal ratio;  // R2 / (R1 + R2), rounded half away from zero to 6 significant digits
    Decimal vout;  // Vin × ratio, to 4 significant digits
    Decimal errorPercent;  // of Vout against the wanted Vout, as for a combination
    Decimal milliamps;  // Vin / (R1 + R2), to 4 significant digits
    bool exactMatch = false;
};

struct DividerAnswer {
    std::optional<Divider> single;  // one part per leg
    std::optional<Divider> twoPerLeg;  // when asked for: the best with up to two parts per leg
    FinderError error = FinderError::None;
};

DividerAnswer FindDivider(const DividerQuery& query, std::stop_token stop = {});

}  // namespace values
