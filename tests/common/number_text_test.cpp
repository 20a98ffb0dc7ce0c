#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using common::LeadingNumber;

TEST(LeadingNumber, readsTheNumberAtTheStartIgnoringBlanks)
{
    const std::tuple<const char*, const char*, double> rows[] = {
        {"", "", 0},
        {".5", "", 0.5},
        {"1.2.3", "", 1.2},
        {"12abc", "", 12},
        {" \t4\n7", "", 47},
        {"- 4", "", -4},
        {"1,5", "", 1},  // the comma only where it is the locale's mark
        {"1,5", ",", 1.5},
        {"1.5", ",", 1.5},
        {"1,5.2", ",", 1.5},
        {"0\u066B25", "\u066B", 0.25},
        {"1e-400", "", 0},
    };
    for (const auto& [text, mark, expected] : rows)
        EXPECT_DOUBLE_EQ(LeadingNumber(text, mark), expected) << '"' << text << "\" with " << mark;

    // Out of range magnitudes become an infinity of the right sign, so callers can refuse them.
    EXPECT_EQ(LeadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("0.000e99999"), 0.0);
    EXPECT_EQ(LeadingNumber("0." + std::string(800, '0') + "1e400"), 0.0);  // 1e-401, however it is written
    EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
}
