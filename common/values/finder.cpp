#include "common/values/finder.h"

#include "common/ascii.h"
#include "common/values/finder_search.h"
#include "common/values/fraction.h"

#include <algorithm>
#include <array>

namespace values {

namespace {

constexpr std::array<std::string_view, 8> kSeriesNames = {"E1", "E3", "E6", "E12", "E24", "E48", "E96", "E192"};

// Parts in whole milliohms from 0.1 Ω, the smallest E192 member then being 101 mΩ, to 1 GΩ, where
// every network of four parts stays within the exact arithmetic's bounds.
const Decimal kSmallestPart = MakeDecimal(1, -1);
const Decimal kLargestPart = MakeDecimal(1, 9);
constexpr int kMilliohms = 3;

Network part(int index)
{
    return {Network::Join::Part, index, {}};
}

Network series(std::vector<Network> branches)
{
    return {Network::Join::Series, 0, std::move(branches)};
}

Network parallel(std::vector<Network> branches)
{
    return {Network::Join::Parallel, 0, std::move(branches)};
}

int partsIn(const Network& network)
{
    int count = network.join == Network::Join::Part;
    for (const auto& branch : network.branches)
        count += partsIn(branch);
    return count;
}

std::string textOf(const Network& network, const std::vector<std::string>& partTexts, bool outermost)
{
    if (network.join == Network::Join::Part)
        return partTexts.at(static_cast<std::size_t>(network.part));
    const std::string_view join = network.join == Network::Join::Series ? " + " : " \u2225 ";
    std::string text;
    for (const auto& branch : network.branches) {
        if (!text.empty())
            text += join;
        text += textOf(branch, partTexts, false);
    }
    return outermost ? text : '(' + text + ')';
}

std::optional<FinderError> checkParts(const PartSource& source, std::vector<std::uint64_t>& parts)
{
    if (source.lowest > source.highest || source.lowest < kSmallestPart || source.highest > kLargestPart)
        return FinderError::BadRange;
    for (const Decimal value : SeriesValues(source.series, source.lowest, source.highest)) {
        // By value, so that an excluded 4700 also takes out a 4.7 × 10^3 written another way.
        if (std::none_of(
                source.excluded.begin(), source.excluded.end(), [&](Decimal out) { return (out <=> value) == 0; }))
            parts.push_back(FractionOf(value, kMilliohms).numerator.limbs[0]);
    }
    if (parts.empty())
        return FinderError::NoParts;
    return std::nullopt;
}

Decimal ohmsOf(std::uint64_t milliohms)
{
    return MakeDecimal(static_cast<std::int64_t>(milliohms), -kMilliohms);
}

ShownResistance shown(const Fraction& milliohms)
{
    const RoundedValue rounded = RoundToDigits(milliohms, 4, -kMilliohms);
    return {rounded.value, rounded.exact};
}

// (value − target) / target × 100, to 0.001.
Decimal errorPercent(const Fraction& value, const Fraction& target)
{
    const Distance distance = DistanceFrom(value, target);
    const Fraction relative {distance.distance * 100, target.numerator * value.denominator};
    return RoundToPlaces(relative, !distance.above, 3);
}

Combination combinationOf(const FoundCombination& found, const Fraction& target)
{
    Combination combination;
    combination.topology = found.topology;
    for (int i = 0; i < PartCount(found.topology); ++i)
        combination.parts.push_back(ohmsOf(found.parts[static_cast<std::size_t>(i)]));
    const Fraction value = ValueOf(found);
    combination.resistance = shown(value);
    combination.errorPercent = errorPercent(value, target);
    combination.exactMatch = DistanceFrom(value, target).distance == WideUnsigned {};
    return combination;
}

DividerLeg legOf(const FoundLeg& found)
{
    DividerLeg leg {found.topology, {ohmsOf(found.parts[0])}, shown(ValueOf(found))};
    if (found.topology != Topology::Single)
        leg.parts.push_back(ohmsOf(found.parts[1]));
    return leg;
}

Divider dividerOf(const FoundDivider& found, Decimal vin, const Fraction& wanted)
{
    Divider divider {legOf(found.top), legOf(found.bottom), {}, {}, {}, {}, false};
    const Fraction ratio = RatioOf(found);
    const Fraction volts = FractionOf(vin);
    divider.ratio = RoundToDigits(ratio, 6).value;
    divider.vout = RoundToDigits({ratio.numerator * volts.numerator, ratio.denominator * volts.denominator}, 4).value;
    divider.errorPercent = errorPercent(ratio, wanted);
    divider.exactMatch = DistanceFrom(ratio, wanted).distance == WideUnsigned {};
    // Vin / (R1 + R2) with the total in milliohms: × 10^6 for milliamps.
    const Fraction top = ValueOf(found.top);
    const Fraction bottom = ValueOf(found.bottom);
    const Fraction total = SeriesValue(top, bottom);
    divider.milliamps =
        RoundToDigits({volts.numerator * total.denominator, volts.denominator * total.numerator}, 4, 6).value;
    return divider;
}

// Totals below 0.05 Ω or above 10 GΩ are beyond every pair of legs from the parts allowed, so
// bounds past them change no answer and keep the fractions small.
Fraction totalBound(Decimal ohms)
{
    return FractionOf(std::clamp(ohms, MakeDecimal(5, -2), MakeDecimal(1, 10)), kMilliohms);
}

}  // namespace

int PartCount(Topology topology)
{
    return partsIn(ShapeOf(topology));
}

const Network& ShapeOf(Topology topology)
{
    static const std::array<Network, 17> shapes = [] {
        const Network a = part(0), b = part(1), c = part(2), d = part(3);
        return std::array<Network, 17> {
            a,
            series({a, b}),
            parallel({a, b}),
            series({a, b, c}),
            parallel({a, b, c}),
            series({parallel({a, b}), c}),
            parallel({series({a, b}), c}),
            series({a, b, c, d}),
            parallel({a, b, c, d}),
            series({parallel({a, b}), c, d}),
            parallel({series({a, b}), c, d}),
            series({parallel({a, b, c}), d}),
            parallel({series({a, b, c}), d}),
            series({parallel({a, b}), parallel({c, d})}),
            parallel({series({a, b}), series({c, d})}),
            parallel({series({parallel({a, b}), c}), d}),
            series({parallel({series({a, b}), c}), d}),
        };
    }();
    return shapes[static_cast<std::size_t>(topology)];
}

std::string NetworkText(Topology topology, const std::vector<std::string>& partTexts)
{
    return textOf(ShapeOf(topology), partTexts, true);
}

std::string_view SeriesName(Series series)
{
    return kSeriesNames[static_cast<std::size_t>(series)];
}

std::optional<Series> SeriesFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kSeriesNames.size(); ++i) {
        if (common::EqualsIgnoringAsciiCase(name, kSeriesNames[i]))
            return static_cast<Series>(i);
    }
    return std::nullopt;
}

std::vector<Decimal> SeriesValues(Series series, Decimal lowest, Decimal highest)
{
    std::vector<Decimal> values;
    // Nothing below the first member of an unbounded series, and no list of millions of decades.
    if (lowest.mantissa <= 0 || lowest > highest || LeadingPower(highest) - LeadingPower(lowest) > 100)
        return values;
    for (int power = LeadingPower(lowest); power <= LeadingPower(highest); ++power) {
        for (const Decimal member : SeriesDecade(series)) {
            const auto value = ScaledByPowerOfTen(member, power);
            if (value && lowest <= *value && *value <= highest)
                values.push_back(*value);
        }
    }
    return values;
}

CombinationAnswer FindCombinations(const CombinationQuery& query, std::stop_token stop)
{
    CombinationAnswer answer;
    if (query.wanted < kSmallestPart || query.wanted > kLargestPart) {
        answer.error = FinderError::BadTarget;
        return answer;
    }
    std::vector<std::uint64_t> parts;
    if (const auto error = checkParts(query.parts, parts)) {
        answer.error = *error;
        return answer;
    }
    const Fraction target = FractionOf(query.wanted, kMilliohms);
    std::vector<FoundCombination> found;
    try {
        found = SearchCombinations(parts, target, std::clamp(query.maxParts, 1, 4), std::move(stop));
    } catch (const SearchStopped&) {
        answer.error = FinderError::Stopped;
        return answer;
    }
    std::stable_sort(found.begin(), found.end(), [&](const FoundCombination& a, const FoundCombination& b) {
        const auto order = Compare(DistanceFrom(ValueOf(a), target), DistanceFrom(ValueOf(b), target));
        if (order != 0)
            return order < 0;
        // A single part that is as close beats a network of smaller parts: it is one part to fit.
        if (PartCount(a.topology) != PartCount(b.topology))
            return PartCount(a.topology) < PartCount(b.topology);
        return CompareTies(a, b) < 0;
    });
    for (const auto& combination : found)
        answer.best.push_back(combinationOf(combination, target));
    return answer;
}

DividerAnswer FindDivider(const DividerQuery& query, std::stop_token stop)
{
    DividerAnswer answer;
    // Below a ratio of 10^-12 the error of even the best divider would not fit a decimal.
    const auto tinyRatio = Product(query.vout, MakeDecimal(1, 12));
    if (query.vout.mantissa <= 0 || query.vout >= query.vin || !tinyRatio || *tinyRatio < query.vin ||
        LeadingPower(query.vin) > 30 || LeadingPower(query.vout) < -30) {
        answer.error = FinderError::BadTarget;
        return answer;
    }
    if (query.lowestTotal.mantissa <= 0 || query.lowestTotal > query.highestTotal) {
        answer.error = FinderError::BadRange;
        return answer;
    }
    std::vector<std::uint64_t> parts;
    if (const auto error = checkParts(query.parts, parts)) {
        answer.error = *error;
        return answer;
    }
    // vout / vin over a common power of ten.
    const int common = std::min(query.vout.exponent, query.vin.exponent);
    const Fraction wanted {FractionOf(query.vout, -common).numerator, FractionOf(query.vin, -common).numerator};
    FoundDividers found;
    try {
        found = SearchDividers(parts, wanted, totalBound(query.lowestTotal), totalBound(query.highestTotal),
            query.twoPerLeg, std::move(stop));
    } catch (const SearchStopped&) {
        answer.error = FinderError::Stopped;
        return answer;
    }
    if (found.single)
        answer.single = dividerOf(*found.single, query.vin, wanted);
    if (found.twoPerLeg)
        answer.twoPerLeg = dividerOf(*found.twoPerLeg, query.vin, wanted);
    if (!answer.single && !answer.twoPerLeg)
        answer.error = FinderError::NoAnswer;
    return answer;
}

}  // namespace values
