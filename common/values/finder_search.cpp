#include "common/values/finder_search.h"

#include "common/values/sorted_values.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace values {

namespace {

__extension__ typedef unsigned __int128 Product128;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

void sortDescending(std::uint64_t* first, std::uint64_t* last)
{
    std::sort(first, last, std::greater<>());
}

void canonicalize(Topology topology, std::uint64_t* p)
{
    switch (topology) {
    case Topology::Single:
        break;
    case Topology::Series2:
    case Topology::Parallel2:
    case Topology::Series3:
    case Topology::Parallel3:
    case Topology::Series4:
    case Topology::Parallel4:
        sortDescending(p, p + PartCount(topology));
        break;
    case Topology::ParallelPairInSeries:
    case Topology::SeriesPairInParallel:
    case Topology::ParallelPairInSeriesInParallel:
    case Topology::SeriesPairInParallelInSeries:
        sortDescending(p, p + 2);
        break;
    case Topology::ParallelPairInSeries4:
    case Topology::SeriesPairInParallel4:
        sortDescending(p, p + 2);
        sortDescending(p + 2, p + 4);
        break;
    case Topology::ParallelTripleInSeries:
    case Topology::SeriesTripleInParallel:
        sortDescending(p, p + 3);
        break;
    case Topology::ParallelPairsInSeries:
    case Topology::SeriesPairsInParallel:
        sortDescending(p, p + 2);
        sortDescending(p + 2, p + 4);
        if (std::pair {p[0], p[1]} < std::pair {p[2], p[3]}) {
            std::swap(p[0], p[2]);
            std::swap(p[1], p[3]);
        }
        break;
    }
}

// Everything after the distance, in the order it decides.
struct TieKey {
    int distinct = 0;
    std::array<std::uint64_t, 4> descending {};  // zeros after the last part
    int count = 0;
    std::array<int, 2> shape {};
    std::array<std::uint64_t, 4> listed {};

    friend auto operator<=>(const TieKey&, const TieKey&) = default;
};

TieKey tieKey(const std::array<std::uint64_t, 4>& listed, int count, std::array<int, 2> shape)
{
    TieKey key {0, {}, count, shape, listed};
    std::copy_n(listed.begin(), count, key.descending.begin());
    std::sort(key.descending.begin(), key.descending.end(), std::greater<>());
    for (int i = 0; i < count; ++i)
        key.distinct +=
            i == 0 || key.descending[static_cast<std::size_t>(i)] != key.descending[static_cast<std::size_t>(i - 1)];
    return key;
}

TieKey keyOf(FoundCombination combination)
{
    canonicalize(combination.topology, combination.parts.data());
    return tieKey(combination.parts, PartCount(combination.topology), {static_cast<int>(combination.topology), 0});
}

int partsIn(const FoundLeg& leg)
{
    return leg.topology == Topology::Single ? 1 : 2;
}

TieKey keyOf(const FoundDivider& divider)
{
    // Both legs' parts side by side, so that a single-part leg leaves no gap among them.
    std::array<std::uint64_t, 4> listed {};
    const int topCount = partsIn(divider.top);
    std::copy_n(divider.top.parts.begin(), topCount, listed.begin());
    std::copy_n(divider.bottom.parts.begin(), partsIn(divider.bottom), listed.begin() + topCount);
    return tieKey(listed, topCount + partsIn(divider.bottom),
        {static_cast<int>(divider.top.topology), static_cast<int>(divider.bottom.topology)});
}

Fraction exactValue(const FoundCombination& combination)
{
    return ValueOf(combination);
}

Fraction exactValue(const FoundDivider& divider)
{
    return RatioOf(divider);
}

// The best candidate offered so far. Doubles settle every offer that is clearly nearer or clearly
// farther; the rest are measured exactly and, at an equal distance, ranked by the tie rules.
template <class Candidate>
class Closest {
public:
    Closest(const Fraction& target, double targetValue)
        : target_(target)
        , targetValue_(targetValue)
    { }

    bool mightTake(double value) const
    {
        return !best_ || std::abs(value - targetValue_) <= bestError_ + margin(value);
    }
    // Whether values that are all at least `distance` from the target, near `value`, can be passed by.
    bool beyondReach(double distance, double value) const { return best_ && distance > bestError_ + margin(value); }

    void offer(const Candidate& candidate, double value)
    {
        const double error = std::abs(value - targetValue_);
        std::optional<Distance> distance;
        if (best_) {
            // On one side of the target the values themselves compare, to their own precision,
            // which far below the target is much finer than that of their distances from it.
            const int side = sideOf(value);
            const bool sameSide = side != 0 && side == sideOf(bestValue_);
            const double slack = sameSide ? kDoubleFuzz * (value + bestValue_) : margin(value);
            const double gain = sameSide ? (value - bestValue_) * -side : bestError_ - error;
            if (gain < -slack)
                return;
            if (gain <= slack) {
                distance = DistanceFrom(exactValue(candidate), target_);
                if (!bestDistance_)
                    bestDistance_ = DistanceFrom(exactValue(*best_), target_);
                const auto order = Compare(*distance, *bestDistance_);
                if (order > 0 || (order == 0 && keyOf(candidate) >= keyOf(*best_)))
                    return;
            }
        }
        best_ = candidate;
        bestValue_ = value;
        bestError_ = error;
        bestDistance_ = distance;
    }

    const std::optional<Candidate>& best() const { return best_; }

private:
    double margin(double value) const { return kDoubleFuzz * (value + bestValue_ + targetValue_); }
    // −1 surely below the target, 1 surely above, 0 too near to tell.
    int sideOf(double value) const
    {
        const double slack = kDoubleFuzz * (value + targetValue_);
        return value < targetValue_ - slack ? -1 : value > targetValue_ + slack ? 1 : 0;
    }

    Fraction target_;
    double targetValue_ = 0;
    std::optional<Candidate> best_;
    double bestValue_ = 0;
    double bestError_ = 0;
    std::optional<Distance> bestDistance_;
};

Topology legTopology(Network::Join join)
{
    return join == Network::Join::Part  ? Topology::Single
        : join == Network::Join::Series ? Topology::Series2
                                        : Topology::Parallel2;
}

// The shapes a network takes as a function of one pair X: each increasing in X, with the X that
// would give t exactly (only as a first guess: doubles can be far off there).
struct Plus {
    double k;
    double operator()(double x) const { return x + k; }
    double inverse(double t) const { return t - k; }
};

struct Parallel {
    double k;
    double operator()(double x) const { return x * k / (x + k); }
    double inverse(double t) const { return k > t ? t * k / (k - t) : kInfinity; }
};

struct ParallelThenPlus {  // (X ∥ c) + d
    double c;
    double d;
    double operator()(double x) const { return x * c / (x + c) + d; }
    double inverse(double t) const { return t > d ? Parallel {c}.inverse(t - d) : -kInfinity; }
};

struct PlusThenParallel {  // (X + c) ∥ d
    double c;
    double d;
    double operator()(double x) const { return (x + c) * d / (x + c + d); }
    double inverse(double t) const { return Parallel {d}.inverse(t) - c; }
};

// What completes a network besides the pair X: fixed parts, or every choice of a group of a table.
struct Tail {
    const ValueTable* table = nullptr;
    std::size_t group = 0;
    std::array<std::uint64_t, 2> parts {};
    int count = 0;
};

class Searcher {
public:
    Searcher(const std::vector<std::uint64_t>& parts, std::stop_token stop)
        : parts_(parts)
        , stop_(std::move(stop))
    {
        for (const auto part : parts)
            partValues_.push_back(static_cast<double>(part));
    }

    const ValueTable& table(Network::Join join)
    {
        auto& table = tables_[static_cast<std::size_t>(join)];
        if (table.starts.empty())
            table = join == Network::Join::Part ? singles() : pairs(join);
        return table;
    }

    void tick()
    {
        if ((++steps_ & 0x3ff) == 0 && stop_.stop_requested())
            throw SearchStopped {};
    }

    std::size_t partCount() const { return parts_.size(); }
    double partValue(std::size_t i) const { return partValues_[i]; }
    std::uint64_t part(std::size_t i) const { return parts_[i]; }

    // The parts of member m of a table, into out; returns how many.
    int membersParts(const ValueTable& table, std::uint32_t m, std::uint64_t* out) const
    {
        out[0] = parts_[table.members[m][0]];
        if (table.join == Network::Join::Part)
            return 1;
        out[1] = parts_[table.members[m][1]];
        return 2;
    }

    FoundLeg leg(const ValueTable& table, std::uint32_t m) const
    {
        FoundLeg leg {legTopology(table.join), {}};
        membersParts(table, m, leg.parts.data());
        return leg;
    }

private:
    ValueTable singles() const
    {
        ValueTable table;
        table.values = partValues_;
        for (std::uint32_t i = 0; i < parts_.size(); ++i) {
            table.starts.push_back(i);
            table.members.push_back({static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(i)});
        }
        table.starts.push_back(static_cast<std::uint32_t>(parts_.size()));
        return table;
    }

    ValueTable pairs(Network::Join join)
    {
        const bool series = join == Network::Join::Series;
        std::vector<PairValue> items;
        items.reserve(parts_.size() * (parts_.size() + 1) / 2);
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            tick();
            for (std::size_t j = 0; j <= i; ++j) {
                const double a = partValues_[i];
                const double b = partValues_[j];
                items.push_back(
                    {series ? a + b : a * b / (a + b), static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(j)});
            }
        }
        sortByValue(items);

        const auto sameValue = [&](const PairValue& x, const PairValue& y) {
            const std::uint64_t a = parts_[x.larger], b = parts_[x.smaller], c = parts_[y.larger],
                                d = parts_[y.smaller];
            if (series)
                return a + b == c + d;
            if (y.value - x.value > kDoubleFuzz * y.value)
                return false;
            return static_cast<Product128>(a) * b * (c + d) == static_cast<Product128>(c) * d * (a + b);
        };
        ValueTable table;
        table.join = join;
        table.members.reserve(items.size());
        for (std::size_t k = 0; k < items.size(); ++k) {
            if (k == 0 || !sameValue(items[k - 1], items[k])) {
                table.values.push_back(items[k].value);
                table.starts.push_back(static_cast<std::uint32_t>(k));
            }
            table.members.push_back({items[k].larger, items[k].smaller});
        }
        table.starts.push_back(static_cast<std::uint32_t>(items.size()));
        return table;
    }

    const std::vector<std::uint64_t>& parts_;
    std::vector<double> partValues_;
    std::stop_token stop_;
    std::array<ValueTable, 3> tables_;
    std::uint64_t steps_ = 0;
};

class CombinationSearch {
public:
    CombinationSearch(Searcher& searcher, const Fraction& target)
        : s_(searcher)
        , target_(target)
        , t_(ToDouble(target.numerator) / ToDouble(target.denominator))
    { }

    FoundCombination single()
    {
        Closest<FoundCombination> closest(target_, t_);
        const ValueTable& parts = s_.table(Network::Join::Part);
        scan(closest, Topology::Single, parts, Plus {0}, Tail {}, 0);
        return *closest.best();
    }

    // X a pair of xs (or a part), k an outer part.
    template <class Shape>
    FoundCombination withPart(Topology topology, Network::Join xs)
    {
        Closest<FoundCombination> closest(target_, t_);
        const ValueTable& table = s_.table(xs);
        for (std::size_t c = 0; c < s_.partCount(); ++c) {
            s_.tick();
            scan(closest, topology, table, Shape {s_.partValue(c)}, Tail {nullptr, 0, {s_.part(c), 0}, 1}, 0);
        }
        return *closest.best();
    }

    template <class Shape>
    FoundCombination withPair(Topology topology, Network::Join xs, Network::Join ys)
    {
        Closest<FoundCombination> closest(target_, t_);
        const ValueTable& xTable = s_.table(xs);
        const ValueTable& yTable = s_.table(ys);
        std::size_t hint = xTable.size();
        for (std::size_t g = 0; g < yTable.size(); ++g) {
            s_.tick();
            hint = scan(closest, topology, xTable, Shape {yTable.values[g]}, Tail {&yTable, g, {}, 0}, hint);
        }
        return *closest.best();
    }

    template <class Shape>
    FoundCombination withTwoParts(Topology topology, Network::Join xs)
    {
        Closest<FoundCombination> closest(target_, t_);
        const ValueTable& table = s_.table(xs);
        for (std::size_t d = 0; d < s_.partCount(); ++d) {
            std::size_t hint = table.size();
            for (std::size_t c = 0; c < s_.partCount(); ++c) {
                s_.tick();
                const Tail tail {nullptr, 0, {s_.part(c), s_.part(d)}, 2};
                hint = scan(closest, topology, table, Shape {s_.partValue(c), s_.partValue(d)}, tail, hint);
            }
        }
        return *closest.best();
    }

private:
    template <class Shape>
    std::size_t scan(Closest<FoundCombination>& closest, Topology topology, const ValueTable& xs, const Shape& f,
        const Tail& tail, std::size_t hint)
    {
        const double lowest = f(xs.values.front());
        const double highest = f(xs.values.back());
        if (closest.beyondReach(lowest - t_, lowest) || closest.beyondReach(t_ - highest, highest))
            return hint;
        const std::size_t start = lowerBound(xs.values, hint, f.inverse(t_));
        return aroundCrossing(xs.values, 0, xs.size(), start, f, t_, [&](std::size_t g, double value) {
            if (closest.mightTake(value))
                offerGroup(closest, topology, xs, g, tail, value);
        });
    }

    // Of the choices with exactly this value, only the one the tie rules put first can win.
    void offerGroup(Closest<FoundCombination>& closest, Topology topology, const ValueTable& xs, std::size_t g,
        const Tail& tail, double value)
    {
        const bool oneChoice = xs.starts[g + 1] - xs.starts[g] == 1 &&
            (!tail.table || tail.table->starts[tail.group + 1] - tail.table->starts[tail.group] == 1);
        std::optional<FoundCombination> chosen;
        TieKey chosenKey;
        const auto consider = [&](const FoundCombination& candidate) {
            if (oneChoice) {
                chosen = candidate;
                return;
            }
            const TieKey key = keyOf(candidate);
            if (!chosen || key < chosenKey) {
                chosen = candidate;
                chosenKey = key;
            }
        };
        for (std::uint32_t m = xs.starts[g]; m < xs.starts[g + 1]; ++m) {
            FoundCombination candidate {topology, {}};
            const int used = s_.membersParts(xs, m, candidate.parts.data());
            if (!tail.table) {
                std::copy_n(tail.parts.begin(), tail.count, candidate.parts.begin() + used);
                consider(candidate);
                continue;
            }
            for (std::uint32_t n = tail.table->starts[tail.group]; n < tail.table->starts[tail.group + 1]; ++n) {
                s_.membersParts(*tail.table, n, candidate.parts.data() + used);
                consider(candidate);
            }
        }
        closest.offer(*chosen, value);
    }

    Searcher& s_;
    Fraction target_;
    double t_;
};

class DividerSearch {
public:
    DividerSearch(Searcher& searcher, const Fraction& ratio, const Fraction& lowest, const Fraction& highest)
        : s_(searcher)
        , ratio_(ratio)
        , lowest_(lowest)
        , highest_(highest)
        , w_(ToDouble(ratio.numerator) / ToDouble(ratio.denominator))
        ,
        // R1 / R2 where the ratio is met; from the exact difference, which doubles would lose near 1.
        topPerBottom_(ToDouble(ratio.denominator - ratio.numerator) / ToDouble(ratio.numerator))
        , lowestValue_(ToDouble(lowest.numerator) / ToDouble(lowest.denominator))
        , highestValue_(ToDouble(highest.numerator) / ToDouble(highest.denominator))
    { }

    std::optional<FoundDivider> best(std::initializer_list<Network::Join> joins)
    {
        Closest<FoundDivider> closest(ratio_, w_);
        for (const auto bottom : joins) {
            for (const auto top : joins)
                legs(closest, s_.table(top), s_.table(bottom));
        }
        return closest.best();
    }

private:
    bool withinTotal(const ValueTable& tops, std::size_t top, const ValueTable& bottoms, std::size_t bottom) const
    {
        const Fraction total =
            SeriesValue(ValueOf(s_.leg(tops, tops.starts[top])), ValueOf(s_.leg(bottoms, bottoms.starts[bottom])));
        return Compare(total, lowest_) >= 0 && Compare(total, highest_) <= 0;
    }

    void legs(Closest<FoundDivider>& closest, const ValueTable& tops, const ValueTable& bottoms)
    {
        const std::vector<double>& values = tops.values;
        std::size_t crossingHint = 0;
        std::size_t lowHint = values.size();
        std::size_t highHint = values.size();
        for (std::size_t b = 0; b < bottoms.size(); ++b) {
            s_.tick();
            const double bottom = bottoms.values[b];
            if (bottom > highestValue_ * (1 + kDoubleFuzz))
                break;
            const double slack = kDoubleFuzz * (highestValue_ + bottom);
            const double lowestTop = lowestValue_ - bottom;
            const double highestTop = highestValue_ - bottom;
            const double crossing = topPerBottom_ * bottom;
            const auto visit = [&](std::size_t t, double top) {
                if (top < lowestTop - slack || top > highestTop + slack)
                    return;
                if ((top <= lowestTop + slack || top >= highestTop - slack) && !withinTotal(tops, t, bottoms, b))
                    return;
                const double ratio = bottom / (top + bottom);
                if (closest.mightTake(ratio))
                    offerGroups(closest, tops, t, bottoms, b, ratio);
            };
            // Where the ratio is met inside the range of totals, the tops either side of it are the
            // candidates, and beyond one that is out of range there is none in range on its side.
            // Otherwise the candidates are the tops nearest the end of the range it lies beyond.
            if (crossing > lowestTop + slack && crossing < highestTop - slack) {
                const std::size_t start = lowerBound(values, crossingHint, crossing);
                crossingHint = aroundCrossing(values, 0, values.size(), start, Plus {0}, crossing, visit);
            } else if (crossing <= lowestTop + slack) {
                lowHint = lowerBound(values, lowHint, lowestTop - slack);
                walkFrom(values, lowHint, lowestTop + slack, 1, visit);
            } else {
                highHint = upperBound(values, highHint, highestTop + slack);
                walkFrom(values, highHint, -(highestTop - slack), -1, visit);
            }
        }
    }

    // Visits values from start on, upwards (direction 1) or downwards from start − 1 (−1): those up
    // to `edge` (beyond −edge downwards), the first past it, and those a double cannot tell from that.
    template <class Visit>
    static void walkFrom(
        const std::vector<double>& values, std::size_t start, double edge, int direction, Visit&& visit)
    {
        bool passed = false;
        for (std::size_t t = direction > 0 ? start : start - 1; t < values.size();
             t += static_cast<std::size_t>(direction)) {
            const double value = values[t];
            if (value * direction > edge) {
                if (passed)
                    break;
                passed = true;
                edge = value * direction + kDoubleFuzz * value;
            }
            visit(t, value);
        }
    }

    void offerGroups(Closest<FoundDivider>& closest, const ValueTable& tops, std::size_t t, const ValueTable& bottoms,
        std::size_t b, double ratio)
    {
        std::optional<FoundDivider> chosen;
        TieKey chosenKey;
        for (std::uint32_t m = tops.starts[t]; m < tops.starts[t + 1]; ++m) {
            for (std::uint32_t n = bottoms.starts[b]; n < bottoms.starts[b + 1]; ++n) {
                const FoundDivider candidate {s_.leg(tops, m), s_.leg(bottoms, n)};
                const TieKey key = keyOf(candidate);
                if (!chosen || key < chosenKey) {
                    chosen = candidate;
                    chosenKey = key;
                }
            }
        }
        closest.offer(*chosen, ratio);
    }

    Searcher& s_;
    Fraction ratio_;
    Fraction lowest_;
    Fraction highest_;
    double w_;
    double topPerBottom_;
    double lowestValue_;
    double highestValue_;
};

}  // namespace

Fraction ValueOf(const FoundCombination& combination)
{
    return NetworkValue(ShapeOf(combination.topology), combination.parts.data());
}

Fraction ValueOf(const FoundLeg& leg)
{
    return NetworkValue(ShapeOf(leg.topology), leg.parts.data());
}

Fraction RatioOf(const FoundDivider& divider)
{
    const Fraction top = ValueOf(divider.top);
    const Fraction bottom = ValueOf(divider.bottom);
    const WideUnsigned scaledBottom = bottom.numerator * top.denominator;
    return {scaledBottom, top.numerator * bottom.denominator + scaledBottom};
}

std::strong_ordering CompareTies(const FoundCombination& a, const FoundCombination& b)
{
    return keyOf(a) <=> keyOf(b);
}

std::vector<FoundCombination> SearchCombinations(
    const std::vector<std::uint64_t>& parts, const Fraction& target, int maxParts, std::stop_token stop)
{
    using Join = Network::Join;
    using T = Topology;
    Searcher searcher(parts, std::move(stop));
    CombinationSearch search(searcher, target);
    std::vector<FoundCombination> found {search.single()};
    if (maxParts >= 2) {
        found.push_back(search.withPart<Plus>(T::Series2, Join::Part));
        found.push_back(search.withPart<Parallel>(T::Parallel2, Join::Part));
    }
    if (maxParts >= 3) {
        found.push_back(search.withPart<Plus>(T::Series3, Join::Series));
        found.push_back(search.withPart<Parallel>(T::Parallel3, Join::Parallel));
        found.push_back(search.withPart<Plus>(T::ParallelPairInSeries, Join::Parallel));
        found.push_back(search.withPart<Parallel>(T::SeriesPairInParallel, Join::Series));
    }
    if (maxParts >= 4) {
        found.push_back(search.withPair<Plus>(T::Series4, Join::Series, Join::Series));
        found.push_back(search.withPair<Parallel>(T::Parallel4, Join::Parallel, Join::Parallel));
        found.push_back(search.withPair<Plus>(T::ParallelPairInSeries4, Join::Parallel, Join::Series));
        found.push_back(search.withPair<Parallel>(T::SeriesPairInParallel4, Join::Series, Join::Parallel));
        found.push_back(search.withTwoParts<ParallelThenPlus>(T::ParallelTripleInSeries, Join::Parallel));
        found.push_back(search.withTwoParts<PlusThenParallel>(T::SeriesTripleInParallel, Join::Series));
        found.push_back(search.withPair<Plus>(T::ParallelPairsInSeries, Join::Parallel, Join::Parallel));
        found.push_back(search.withPair<Parallel>(T::SeriesPairsInParallel, Join::Series, Join::Series));
        found.push_back(search.withTwoParts<PlusThenParallel>(T::ParallelPairInSeriesInParallel, Join::Parallel));
        found.push_back(search.withTwoParts<ParallelThenPlus>(T::SeriesPairInParallelInSeries, Join::Series));
    }
    for (auto& combination : found)
        canonicalize(combination.topology, combination.parts.data());
    return found;
}

FoundDividers SearchDividers(const std::vector<std::uint64_t>& parts, const Fraction& ratio,
    const Fraction& lowestTotal, const Fraction& highestTotal, bool twoPerLeg, std::stop_token stop)
{
    using Join = Network::Join;
    Searcher searcher(parts, std::move(stop));
    DividerSearch search(searcher, ratio, lowestTotal, highestTotal);
    FoundDividers found;
    found.single = search.best({Join::Part});
    if (twoPerLeg)
        found.twoPerLeg = search.best({Join::Part, Join::Series, Join::Parallel});
    return found;
}

}  // namespace values
