#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using common::GeneralNumberText;
using common::LeadingNumber;

TEST(GeneralNumberText, fifteenDigitsNoTrailingZerosExponentOnlyAtTheExtremes)
{
    struct Row {
        const char* name;
        double value;
        const char* separator;
        std::string expected;
    };
    const Row rows[] = {
        {"factorNoiseHidden", 47 * 0.1, ".", "4.7"},
        {"leadingZeroBelowOne", 47 * 0.01, ".", "0.47"},
        {"commaSeparator", 47 * 0.1, ",", "4,7"},
        {"multiByteSeparator", 0.5, "\u066B", "0\u066B5"},
        {"integerHasNoSeparator", 100.0, ",", "100"},
        {"negativeZeroShowsZero", -0.0, ".", "0"},
        {"negative", -2.5, ".", "-2.5"},
        {"oneThird", 1.0 / 3.0, ".", "0.333333333333333"},
        {"fifteenDigitsStayFixed", 999999999999999.0, ".", "999999999999999"},
        {"hugeUsesExponent", 1e15, ".", "1E+15"},
        {"tinyUsesExponent", 0.00001, ".", "1E-05"},
        {"smallStaysFixed", 0.0001, ".", "0.0001"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GeneralNumberText(row.value, row.separator), row.expected) << row.name;
}

TEST(LeadingNumber, readsTheNumberAtTheStartIgnoringBlanks)
{
    struct Row {
        const char* text;
        double expected;
    };
    const Row rows[] = {
        {"", 0},
        {"-", 0},
        {".", 0},
        {"abc", 0},
        {"05", 5},
        {".5", 0.5},
        {"-2.5", -2.5},
        {"+3", 3},
        {"1.2.3", 1.2},
        {"12abc", 12},
        {" \t4\n7", 47},
        {"- 4", -4},
        {"1E-2", 0.01},
        {"2e+", 2},
        {"1,5", 1},  // the comma is never a decimal point
        {"--5", 0},
        {"1e-400", 0},
    };
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(LeadingNumber(row.text), row.expected) << '"' << row.text << '"';
}

TEST(LeadingNumber, outOfRangeMagnitudesBecomeSignedInfinity)
{
    EXPECT_EQ(LeadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("0.000e99999"), 0.0);
    EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
}
