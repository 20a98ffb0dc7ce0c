#include "common/values/series.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace values;

namespace {

Decimal decimal(const char* text)
{
    return DecimalFromText(text).value();
}

std::vector<Decimal> every(Series series, std::size_t step)
{
    std::vector<Decimal> picked;
    for (std::size_t i = 0; i < SeriesDecade(series).size(); i += step)
        picked.push_back(SeriesDecade(series)[i]);
    return picked;
}

}  // namespace

TEST(ValuesSeries, finerSeriesFollowTheRoundingRuleAndTheOlderOnesTheirCustomaryValues)
{
    for (const auto& [series, count] : {std::pair {Series::E48, 48}, {Series::E96, 96}, {Series::E192, 192}}) {
        ASSERT_EQ(SeriesDecade(series).size(), static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const long rule = std::lround(100 * std::pow(10.0, static_cast<double>(i) / count));
            SCOPED_TRACE(testing::Message() << "E" << count << " member " << i << ", rule " << rule);
            EXPECT_EQ(SeriesDecade(series)[static_cast<std::size_t>(i)], MakeDecimal(rule == 919 ? 920 : rule, -2));
        }
    }
    // E24 keeps the values in use before the rule: 2.7 to 4.7 one step above it, 8.2 one below.
    ASSERT_EQ(SeriesDecade(Series::E24).size(), 24u);
    for (int i = 0; i < 24; ++i) {
        const long rule = std::lround(10 * std::pow(10.0, i / 24.0));
        const long customary = rule + (i >= 10 && i <= 16) - (i == 22);
        EXPECT_EQ(SeriesDecade(Series::E24)[static_cast<std::size_t>(i)], MakeDecimal(customary, -1))
            << "E24 member " << i;
    }
    EXPECT_EQ(every(Series::E24, 2), SeriesDecade(Series::E12));
    EXPECT_EQ(every(Series::E24, 4), SeriesDecade(Series::E6));
    EXPECT_EQ(every(Series::E24, 8), SeriesDecade(Series::E3));

    const std::tuple<const char*, Series, bool> anchors[] = {{"499", Series::E96, true}, {"953", Series::E96, true},
        {"491", Series::E96, false}, {"959", Series::E96, false}, {"920", Series::E192, true},
        {"919", Series::E192, false}, {"27", Series::E24, true}, {"26", Series::E24, false}, {"43", Series::E24, true},
        {"42", Series::E24, false}, {"82", Series::E24, true}, {"83", Series::E24, false}, {"68", Series::E6, true},
        {"56", Series::E6, false}, {"0", Series::E24, false}, {"-47", Series::E24, false}};
    for (const auto& [value, series, member] : anchors)
        EXPECT_EQ(InSeries(decimal(value), series), member) << value << " in E" << SeriesDecade(series).size();
}

TEST(ValuesSeries, everyMemberIsFoundAtEveryDecadeAndItsNeighboursAreNot)
{
    for (const Series series : {Series::E24, Series::E96}) {
        for (int power = -1; power <= 9; ++power) {  // 0.1 Ω to 9.76 GΩ
            for (const Decimal member : SeriesDecade(series)) {
                const Decimal value = ScaledByPowerOfTen(member, power).value();
                // One step in the digit after the last one a 2- or 3-digit series uses.
                const Decimal step = MakeDecimal(1, LeadingPower(value) - (series == Series::E24 ? 2 : 3));
                SCOPED_TRACE(DecimalText(value));
                EXPECT_TRUE(InSeries(value, series));
                EXPECT_FALSE(InSeries(Sum(value, step).value(), series));
                EXPECT_FALSE(InSeries(Difference(value, step).value(), series));
            }
        }
    }
}

TEST(ValuesSeries, toleranceChoosesTheSeriesItIsMadeIn)
{
    const std::pair<const char*, std::optional<Series>> rows[] = {{"20", Series::E6}, {"10", Series::E12},
        {"5", Series::E24}, {"2", Series::E48}, {"1", Series::E96}, {"0.5", Series::E192}, {"0.25", Series::E192},
        {"0.05", Series::E192}, {"3", std::nullopt}, {"0.6", std::nullopt}, {"40", std::nullopt}, {"0", std::nullopt},
        {"-5", std::nullopt}};
    for (const auto& [percent, series] : rows)
        EXPECT_EQ(SeriesForTolerance(decimal(percent)), series) << percent << " %";
}

TEST(ValuesSeries, standardIsJudgedByTheSeriesTheToleranceAllows)
{
    using S = std::optional<Series>;
    // Value, tolerance ("" for none): the series that makes it standard, else the finer one holding it.
    const std::tuple<const char*, const char*, S, S> rows[] = {
        {"210000", "20", std::nullopt, Series::E96},  // E96 steps are never made at ±20 %
        {"4700", "1", Series::E3, std::nullopt},  // coarser steps are made at finer tolerances
        {"5100", "2", Series::E24, std::nullopt},  // E24 counts as coarser than E48
        {"4870", "5", std::nullopt, Series::E48}, {"4870", "2", Series::E48, std::nullopt},
        {"4800", "5", std::nullopt, std::nullopt}, {"210000", "3", Series::E96, std::nullopt},
        {"210000", "", Series::E96, std::nullopt}};  // any series
    for (const auto& [value, percent, holding, finer] : rows) {
        SCOPED_TRACE(std::string(value) + " ±" + percent + " %");
        const StandardVerdict verdict =
            JudgeStandard(decimal(value), *percent ? std::optional(decimal(percent)) : std::nullopt);
        EXPECT_EQ(verdict.holding, holding);
        EXPECT_EQ(verdict.finer, finer);
    }
}
