#include "common/values/finder.h"
#include "common/values/wide_unsigned.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

using namespace values;

namespace {

using Real = long double;

Decimal decimal(const char* text)
{
    return DecimalFromText(text).value();
}

Real real(Decimal value)
{
    return static_cast<Real>(value.mantissa) * std::pow(10.0L, value.exponent);
}

Real parallel(Real a, Real b)
{
    return a * b / (a + b);
}

// Each network written out on its own, as its drawing in the header reads.
Real networkValue(Topology topology, const std::vector<Real>& p)
{
    switch (topology) {
    case Topology::Single:
        return p[0];
    case Topology::Series2:
        return p[0] + p[1];
    case Topology::Parallel2:
        return parallel(p[0], p[1]);
    case Topology::Series3:
        return p[0] + p[1] + p[2];
    case Topology::Parallel3:
        return parallel(parallel(p[0], p[1]), p[2]);
    case Topology::ParallelPairInSeries:
        return parallel(p[0], p[1]) + p[2];
    case Topology::SeriesPairInParallel:
        return parallel(p[0] + p[1], p[2]);
    case Topology::Series4:
        return p[0] + p[1] + p[2] + p[3];
    case Topology::Parallel4:
        return parallel(parallel(p[0], p[1]), parallel(p[2], p[3]));
    case Topology::ParallelPairInSeries4:
        return parallel(p[0], p[1]) + p[2] + p[3];
    case Topology::SeriesPairInParallel4:
        return parallel(parallel(p[0] + p[1], p[2]), p[3]);
    case Topology::ParallelTripleInSeries:
        return parallel(parallel(p[0], p[1]), p[2]) + p[3];
    case Topology::SeriesTripleInParallel:
        return parallel(p[0] + p[1] + p[2], p[3]);
    case Topology::ParallelPairsInSeries:
        return parallel(p[0], p[1]) + parallel(p[2], p[3]);
    case Topology::SeriesPairsInParallel:
        return parallel(p[0] + p[1], p[2] + p[3]);
    case Topology::ParallelPairInSeriesInParallel:
        return parallel(parallel(p[0], p[1]) + p[2], p[3]);
    case Topology::SeriesPairInParallelInSeries:
        return parallel(p[0] + p[1], p[2]) + p[3];
    }
    return 0;
}

// The tie rules after the distance: fewer distinct values, then the parts compared largest first.
std::pair<int, std::vector<Real>> tieKey(std::vector<Real> parts)
{
    std::sort(parts.begin(), parts.end(), std::greater<>());
    auto distinct = parts;
    return {static_cast<int>(std::unique(distinct.begin(), distinct.end()) - distinct.begin()), parts};
}

// The best of a list of (distance, parts) worked out by trying every one; distances nearer than
// long double can tell apart count as equal.
struct Reference {
    Real distance = INFINITY;
    std::pair<int, std::vector<Real>> key;

    void offer(Real candidate, const std::vector<Real>& parts, Real scale)
    {
        const auto candidateKey = tieKey(parts);
        const Real tolerance = 1e-15L * scale;
        if (candidate < distance - tolerance || (candidate <= distance + tolerance && candidateKey < key)) {
            distance = std::min(candidate, distance);
            key = candidateKey;
        }
    }
};

std::vector<Real> inOhms(const std::vector<Decimal>& parts)
{
    std::vector<Real> ohms;
    for (const Decimal part : parts)
        ohms.push_back(real(part));
    return ohms;
}

std::vector<Real> drawer(const PartSource& source)
{
    std::vector<Real> parts;
    for (const Decimal value : SeriesValues(source.series, source.lowest, source.highest)) {
        if (std::find(source.excluded.begin(), source.excluded.end(), value) == source.excluded.end())
            parts.push_back(real(value));
    }
    return parts;
}

// Every tuple of n parts, repeats and orders included.
void forEachTuple(const std::vector<Real>& parts, int n, const std::function<void(const std::vector<Real>&)>& use)
{
    std::vector<std::size_t> index(static_cast<std::size_t>(n), 0);
    std::vector<Real> tuple(static_cast<std::size_t>(n));
    for (;;) {
        for (std::size_t i = 0; i < index.size(); ++i)
            tuple[i] = parts[index[i]];
        use(tuple);
        std::size_t i = 0;
        while (i < index.size() && ++index[i] == parts.size())
            index[i++] = 0;
        if (i == index.size())
            return;
    }
}

const PartSource kDrawers[] = {
    {Series::E3, decimal("1"), decimal("1000"), {}},
    {Series::E6, decimal("10"), decimal("1000"), {decimal("33"), decimal("150")}},
    {Series::E12, decimal("0.1"), decimal("1"), {}},
};

}  // namespace

TEST(ValuesFinder, eachTopologysCombinationIsTheClosestThereIsAndTheListRunsFromTheClosest)
{
    const std::vector<const char*> targets[] = {
        {"3.14", "77.7", "5000"}, {"12.34", "555", "2000.5"}, {"0.2718", "0.45", "3.3"}};
    for (std::size_t set = 0; set < std::size(kDrawers); ++set) {
        const std::vector<Real> parts = drawer(kDrawers[set]);
        for (const char* wanted : targets[set]) {
            SCOPED_TRACE(testing::Message() << "drawer " << set << ", wanted " << wanted);
            const Real target = real(decimal(wanted));
            const auto answer = FindCombinations({decimal(wanted), kDrawers[set], 4});
            ASSERT_EQ(answer.error, FinderError::None);
            ASSERT_EQ(answer.best.size(), 17u);
            Real previous = 0;
            for (const auto& combination : answer.best) {
                Reference best;
                forEachTuple(parts, PartCount(combination.topology), [&](const std::vector<Real>& tuple) {
                    best.offer(std::abs(networkValue(combination.topology, tuple) - target), tuple, target);
                });
                const auto found = inOhms(combination.parts);
                const Real distance = std::abs(networkValue(combination.topology, found) - target);
                SCOPED_TRACE(testing::Message() << "topology " << static_cast<int>(combination.topology));
                EXPECT_LE(std::abs(distance - best.distance), 1e-15L * target);
                EXPECT_EQ(tieKey(found), best.key);
                EXPECT_GE(distance, previous - 1e-15L * target);
                previous = distance;
            }
        }
    }
}

TEST(ValuesFinder, dividersAreTheClosestRatioWithinTheTotal)
{
    struct Leg {
        Real value;
        std::vector<Real> parts;
    };
    const PartSource& source = kDrawers[1];
    std::vector<Leg> legs;
    for (const Real a : drawer(source)) {
        legs.push_back({a, {a}});
        for (const Real b : drawer(source)) {
            if (b <= a)
                legs.insert(legs.end(), {{a + b, {a, b}}, {parallel(a, b), {a, b}}});
        }
    }
    const std::tuple<const char*, const char*, const char*, const char*> queries[] = {{"5", "3.3", "100", "1000"},
        {"12", "1.25", "50", "2000"}, {"1", "0.5", "20", "30"}, {"9", "0.001", "1", "100000"}};
    for (const auto& [vin, vout, lowest, highest] : queries) {
        SCOPED_TRACE(testing::Message() << vin << " V to " << vout << " V");
        const auto answer = FindDivider({decimal(vin), decimal(vout), source, decimal(lowest), decimal(highest), true});
        ASSERT_EQ(answer.error, FinderError::None);
        const Real wanted = real(decimal(vout)) / real(decimal(vin));
        for (const bool two : {false, true}) {
            Reference best;
            for (const auto& top : legs) {
                for (const auto& bottom : legs) {
                    const Real total = top.value + bottom.value;
                    if ((two || (top.parts.size() == 1 && bottom.parts.size() == 1)) &&
                        total >= real(decimal(lowest)) && total <= real(decimal(highest))) {
                        auto parts = top.parts;
                        parts.insert(parts.end(), bottom.parts.begin(), bottom.parts.end());
                        best.offer(std::abs(bottom.value / total - wanted), parts, wanted);
                    }
                }
            }
            const auto& divider = two ? answer.twoPerLeg : answer.single;
            ASSERT_TRUE(divider.has_value());
            const Real r1 = networkValue(divider->top.topology, inOhms(divider->top.parts));
            const Real r2 = networkValue(divider->bottom.topology, inOhms(divider->bottom.parts));
            auto parts = inOhms(divider->top.parts);
            const auto bottomParts = inOhms(divider->bottom.parts);
            parts.insert(parts.end(), bottomParts.begin(), bottomParts.end());
            EXPECT_LE(std::abs(std::abs(r2 / (r1 + r2) - wanted) - best.distance), 1e-15L * wanted)
                << "two per leg " << two;
            EXPECT_EQ(tieKey(parts), best.key) << "two per leg " << two;
        }
    }
}

TEST(ValuesFinder, answersWorkedByHandComeFirstAndAreShownRounded)
{
    // Each answer as "network = shown value error %", "~" after a rounded value, "!" after an exact match.
    const auto shown = [](const Combination& c) {
        std::vector<std::string> texts;
        for (const Decimal part : c.parts)
            texts.push_back(DecimalText(part));
        return NetworkText(c.topology, texts) + " = " + DecimalText(c.resistance.ohms) +
            (c.resistance.exact ? " " : "~ ") + DecimalText(c.errorPercent) + (c.exactMatch ? "!" : "");
    };
    const std::tuple<const char*, Series, const char*, int, std::vector<std::string>> rows[] = {
        // 10 k ∥ 10 k is 5 k exactly, nearer than any sum or single part.
        {"fiveThousand", Series::E12, "5000", 2, {"10000 \u2225 10000 = 5000 0!"}},
        // 5.1 k and 5.6 k are both 250 Ω away from 5.35 k; the smaller wins: −250 / 5350 = −4.6729 %.
        {"midway", Series::E24, "5350", 1, {"5100 = 5100 -4.673"}},
        // 10 k + 10 k and 220 k ∥ 22 k (220 × 22 / 242 = 20) are both exact, the first with one kind
        // of part; 18 k and 22 k are both 2 k away, and 18 k is the smaller.
        {"twentyThousand", Series::E12, "20000", 2,
            {"10000 + 10000 = 20000 0!", "220000 \u2225 22000 = 20000 0!", "18000 = 18000 -10"}},
        // (750 ∥ 750 ∥ 750) + 750 is 1 k exactly with a smaller largest part, but one part is simpler.
        {"onePartFirst", Series::E24, "1000", 4, {"1000 = 1000 0!"}},
        // From 1, 10, 100 …: 111 only as a sum of three, listed largest first.
        {"hundredTenOne", Series::E1, "111", 3, {"100 + 10 + 1 = 111 0!"}},
        // 10 ∥ 10 ∥ 10 = 3.3333 Ω, 1.0101 % high; 1 + 1 + 1 and every pair or mixed network of 1, 10
        // and 100 lie farther away.
        {"threeTens", Series::E1, "3.3", 3, {"10 \u2225 10 \u2225 10 = 3.333~ 1.01"}},
    };
    for (const auto& [name, series, wanted, maxParts, expected] : rows) {
        const auto answer =
            FindCombinations({decimal(wanted), {series, decimal("1"), decimal("10000000"), {}}, maxParts});
        ASSERT_GE(answer.best.size(), expected.size()) << name;
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(shown(answer.best[i]), expected[i]) << name;
    }
    EXPECT_EQ(NetworkText(Topology::SeriesPairInParallelInSeries, {"4K7", "2K2", "1K0", "470"}),
        "((4K7 + 2K2) \u2225 1K0) + 470");
    EXPECT_EQ(SeriesName(Series::E1), "E1");
    EXPECT_EQ(SeriesName(Series::E192), "E192");
    EXPECT_EQ(SeriesFromName("e96"), Series::E96);
    EXPECT_EQ(SeriesFromName("E2"), std::nullopt);
}

TEST(ValuesFinder, refusesWhatItCannotAnswer)
{
    const PartSource e12 {Series::E12, decimal("1"), decimal("10000000"), {}};
    std::stop_source stopped;
    stopped.request_stop();
    const auto combination = [](const char* wanted, const PartSource& parts, std::stop_token stop = {}) {
        return FindCombinations({decimal(wanted), parts, 4}, std::move(stop)).error;
    };
    const auto divider = [&](const char* vout, const char* lowest, const char* highest, std::stop_token stop = {}) {
        return FindDivider({decimal("5"), decimal(vout), e12, decimal(lowest), decimal(highest), true}, std::move(stop))
            .error;
    };
    const std::tuple<const char*, FinderError, FinderError> rows[] = {
        {"nothing wanted", combination("0", e12), FinderError::BadTarget},
        {"above 1 GΩ", combination("1000000001", e12), FinderError::BadTarget},
        {"range upside down", combination("100", {Series::E12, decimal("1000"), decimal("10"), {}}),
            FinderError::BadRange},
        {"range below 0.1 Ω", combination("100", {Series::E12, decimal("0.01"), decimal("10"), {}}),
            FinderError::BadRange},
        {"no member in range", combination("15", {Series::E3, decimal("11"), decimal("20"), {}}), FinderError::NoParts},
        {"every member excluded",
            combination("15", {Series::E3, decimal("10"), decimal("22"), {decimal("10"), decimal("22")}}),
            FinderError::NoParts},
        {"search stopped", combination("3141", e12, stopped.get_token()), FinderError::Stopped},
        {"vout not below vin", divider("5", "1000", "2000"), FinderError::BadTarget},
        {"totals upside down", divider("1", "2000", "1000"), FinderError::BadRange},
        {"no total in reach", divider("1", "50000000", "60000000"), FinderError::NoAnswer},
        {"divider stopped", divider("1", "1000", "2000", stopped.get_token()), FinderError::Stopped},
    };
    for (const auto& [name, error, expected] : rows)
        EXPECT_EQ(error, expected) << name;
}

TEST(ValuesWideUnsigned, carriesAndBorrowsCrossLimbs)
{
    const WideUnsigned max64 = std::numeric_limits<std::uint64_t>::max();
    const WideUnsigned two64 = max64 + 1;
    EXPECT_EQ(two64.limbs[0], 0U);
    EXPECT_EQ(two64.limbs[1], 1U);
    // 2^128 − 1 = (2^64 − 1)(2^64 + 1), reached by a product, a sum and a difference alike.
    const WideUnsigned max128 = max64 * (two64 + 1);
    EXPECT_EQ(max128 + 1, two64 * two64);
    EXPECT_EQ(two64 * two64 - 1, max128);
    EXPECT_EQ(Divide(max128, max64).quotient, two64 + 1);
}
