#include "common/values/tolerance.h"

#include <gtest/gtest.h>

using namespace values;

TEST(ValuesToleranceRange, exactMinimumAndMaximumOrNoneForImpossiblePercents)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {{"4700", "5", "4465 … 4935"},
        {"0.47", "1", "0.4653 … 0.4747"}, {"4990", "0.1", "4985.01 … 4994.99"}, {"100", "0", "100 … 100"},
        {"1", "100", "0 … 2"}, {"1", "100.1", "none"}, {"1", "-1", "none"}, {"999999999999999999", "5", "none"}};
    for (const auto& [value, percent, expected] : rows) {
        const auto range = ToleranceRange(*DecimalFromText(value), *DecimalFromText(percent));
        EXPECT_EQ(range ? DecimalText(range->minimum) + " … " + DecimalText(range->maximum) : "none", expected)
            << value << " ±" << percent << " %";
    }
}
