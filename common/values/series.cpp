#include "common/values/series.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace values {

namespace {

// E3 to E12 take every 2nd, 4th and 8th member of this list; they were fixed by custom before the
// rule behind E48 to E192 existed, which is why 27, 33 or 47 are not what that rule would give.
constexpr std::array<int, 24> kE24 = {
    10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// round(100 × 10^(i/192)), except 920 where the rule gives 919. E96 and E48 take every 2nd and
// 4th member.
constexpr std::array<int, 192> kE192 = {100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158,
    160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208,
    210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274,
    277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475,
    481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626,
    634, 642, 649, 657, 665, 673, 681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825,
    835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

template <std::size_t N>
std::vector<Decimal> everyNth(const std::array<int, N>& list, std::size_t step, int exponent)
{
    std::vector<Decimal> decade;
    for (std::size_t i = 0; i < N; i += step)
        decade.push_back(MakeDecimal(list[i], exponent));
    return decade;
}

// The value moved into 1 ≤ v < 10 and the power of ten that undoes the move.
std::pair<Decimal, int> splitDecade(Decimal value)
{
    const int power = LeadingPower(value);
    return {{value.mantissa, value.exponent - power}, power};
}

}  // namespace

const std::vector<Decimal>& SeriesDecade(Series series)
{
    static const std::array<std::vector<Decimal>, 8> decades = {std::vector<Decimal> {MakeDecimal(1)},
        everyNth(kE24, 8, -1), everyNth(kE24, 4, -1), everyNth(kE24, 2, -1), everyNth(kE24, 1, -1),
        everyNth(kE192, 4, -2), everyNth(kE192, 2, -2), everyNth(kE192, 1, -2)};
    return decades[static_cast<std::size_t>(series)];
}

bool InSeries(Decimal value, Series series)
{
    if (value.mantissa <= 0)
        return false;
    const auto& decade = SeriesDecade(series);
    return std::binary_search(decade.begin(), decade.end(), splitDecade(value).first);
}

std::optional<SeriesNeighbours> NearestInSeries(Decimal value, Series series)
{
    if (value.mantissa <= 0)
        return std::nullopt;
    const auto [scaled, decadePower] = splitDecade(value);
    const int power = decadePower;  // clang before 16 cannot capture a structured binding in a lambda
    const auto& decade = SeriesDecade(series);
    const auto firstAbove = std::upper_bound(decade.begin(), decade.end(), scaled);
    const Decimal below = *std::prev(firstAbove);
    // Past the last member of a decade the next one up is the first of the next decade.
    const Decimal above = below == scaled ? below : firstAbove == decade.end() ? MakeDecimal(10) : *firstAbove;

    const auto neighbour = [&](Decimal member) -> std::optional<SeriesNeighbour> {
        const auto actual = ScaledByPowerOfTen(member, power);
        const auto deviation = actual ? Difference(*actual, value) : std::nullopt;
        const auto percent = deviation ? Product(*deviation, MakeDecimal(100)) : std::nullopt;
        const auto error = percent ? RoundedQuotient(*percent, value, 2) : std::nullopt;
        if (!error)
            return std::nullopt;
        return SeriesNeighbour {*actual, *error};
    };
    const auto lower = neighbour(below);
    const auto upper = neighbour(above);
    if (!lower || !upper)
        return std::nullopt;
    return SeriesNeighbours {*lower, *upper};
}

std::optional<Series> SeriesForTolerance(Decimal percent)
{
    if (percent.mantissa <= 0)
        return std::nullopt;
    if (percent <= MakeDecimal(5, -1))
        return Series::E192;
    const std::pair<Decimal, Series> made[] = {{MakeDecimal(1), Series::E96}, {MakeDecimal(2), Series::E48},
        {MakeDecimal(5), Series::E24}, {MakeDecimal(10), Series::E12}, {MakeDecimal(20), Series::E6}};
    for (const auto& [tolerance, series] : made) {
        if (percent == tolerance)
            return series;
    }
    return std::nullopt;
}

StandardVerdict JudgeStandard(Decimal value, std::optional<Decimal> tolerancePercent)
{
    StandardVerdict verdict;
    verdict.expected = tolerancePercent ? SeriesForTolerance(*tolerancePercent) : std::nullopt;
    for (int i = static_cast<int>(Series::E3); i <= static_cast<int>(Series::E192); ++i) {
        const auto series = static_cast<Series>(i);
        if (!InSeries(value, series))
            continue;
        if (!verdict.expected || series <= *verdict.expected)
            verdict.holding = series;
        else
            verdict.finer = series;
        break;
    }
    return verdict;
}

}  // namespace values
