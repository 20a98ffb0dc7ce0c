#include "common/values/decimal.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

using namespace values;

namespace {

Decimal decimal(const char* text)
{
    return DecimalFromText(text).value();
}

std::string textOf(const std::optional<Decimal>& value)
{
    return value ? DecimalText(*value) : "none";
}

}  // namespace

TEST(ValuesDecimal, readsPlainTextAndWritesItBackWithoutNoiseOrTrailingZeros)
{
    const std::pair<const char*, const char*> rows[] = {{"4.7", "4.7"}, {"0.0470", "0.047"}, {"004700", "4700"},
        {".33", "0.33"}, {"4.990", "4.99"}, {"-2.10", "-2.1"}, {"-0", "0"}, {"0.000", "0"}, {"4700.", "4700"},
        {"100000000000000000000", "100000000000000000000"}, {"123456789012345678", "123456789012345678"},
        {"0.000000000000000000001", "0.000000000000000000001"}, {"", "none"}, {".", "none"}, {"-", "none"},
        {"4.7.1", "none"}, {"4,7", "none"}, {"1e3", "none"}, {" 4.7", "none"}, {"1234567890123456789", "none"}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(textOf(DecimalFromText(text)), expected) << '"' << text << '"';

    // Normalised, so one value has one representation whatever the text or construction.
    EXPECT_EQ(decimal("4700"), (Decimal {47, 2}));
    EXPECT_EQ(MakeDecimal(4700, -3), (Decimal {47, -1}));
    EXPECT_EQ(MakeDecimal(0, 5), Decimal {});
}

TEST(ValuesDecimal, calculatesExactlyAndRefusesWhatDoesNotFit)
{
    const Decimal big = MakeDecimal(std::numeric_limits<std::int64_t>::max());
    const std::tuple<const char*, std::optional<Decimal>, const char*> rows[] = {
        {"0.1 + 0.2", Sum(decimal("0.1"), decimal("0.2")), "0.3"},
        {"4700 - 4935", Difference(decimal("4700"), decimal("4935")), "-235"},
        {"2 / 3", RoundedQuotient(decimal("2"), decimal("3"), 2), "0.67"},
        {"-2 / 3", RoundedQuotient(decimal("-2"), decimal("3"), 2), "-0.67"},
        {"1 / 8, half away from zero", RoundedQuotient(decimal("1"), decimal("8"), 2), "0.13"},
        {"-1 / -8", RoundedQuotient(decimal("-1"), decimal("-8"), 2), "0.13"},
        {"4700 / 0.047", RoundedQuotient(decimal("4700"), decimal("0.047"), 0), "100000"},
        {"1 / 0", RoundedQuotient(decimal("1"), decimal("0"), 2), "none"}, {"big + big", Sum(big, big), "none"},
        {"big × big", Product(big, big), "none"}, {"1 + 10^-30", Sum(decimal("1"), MakeDecimal(1, -30)), "none"}};
    for (const auto& [what, result, expected] : rows)
        EXPECT_EQ(textOf(result), expected) << what;
}
