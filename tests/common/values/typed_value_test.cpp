#include "common/values/typed_value.h"

#include <gtest/gtest.h>

#include <string>

using namespace values;

TEST(ValuesTypedValue, readsTheWaysPeopleWriteAValueAndItsTolerance)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {{"4k7", "4700", ""}, {"4K7", "4700", ""},
        {"4.7k", "4700", ""}, {"4,7k", "4700", ""}, {"4700", "4700", ""}, {"4.7 k\u03A9", "4700", ""},
        {"4.7kohm", "4700", ""}, {"4.7 KOhms", "4700", ""}, {"2R2", "2.2", ""}, {"R47", "0.47", ""},
        {".47", "0.47", ""}, {"470R", "470", ""}, {"1M", "1000000", ""}, {"2g2", "2200000000", ""}, {"1e3", "1000", ""},
        {"1E-3", "0.001", ""}, {"10 ohm", "10", ""}, {"10 \u03A9", "10", ""}, {"10\u2126", "10", ""},
        {" \t4k7 \n", "4700", ""}, {"\u00A04,7\u202Fk\u03A9", "4700", ""}, {"1T", "1000000000000", ""},
        {"4k7 5%", "4700", "5"}, {"4k7 \u00B15 %", "4700", "5"}, {"4.7 k\u03A9 +/-0.5%", "4700", "0.5"},
        {"100R +-1%", "100", "1"}, {"0,470", "0.47", ""}, {"4.7000", "4.7", ""}, {"1000.000", "1000", ""},
        {"4,700k", "4700", ""}, {"4.700e0", "4.7", ""}};
    for (const auto& [text, ohms, tolerance] : rows) {
        const auto reading = ReadTypedValue(text);
        ASSERT_TRUE(reading.value) << '"' << text << "\" refused, reason " << static_cast<int>(reading.error);
        EXPECT_EQ(reading.error, ValueError::None);
        EXPECT_EQ(DecimalText(reading.value->ohms), ohms) << text;
        const auto& percent = reading.value->tolerancePercent;
        EXPECT_EQ(percent ? DecimalText(*percent) : "", tolerance) << text;
    }
}

TEST(ValuesTypedValue, refusesWithTheReason)
{
    const std::pair<std::string, ValueError> rows[] = {{"", ValueError::Empty}, {" \t ", ValueError::Empty},
        {"abc", ValueError::NotANumber}, {"k", ValueError::NotANumber}, {"\u03A9", ValueError::NotANumber},
        {"-4k7", ValueError::NotPositive}, {"0", ValueError::NotPositive}, {"0R0", ValueError::NotPositive},
        {"1m", ValueError::AmbiguousPrefix}, {"4m7", ValueError::AmbiguousPrefix}, {"m47", ValueError::AmbiguousPrefix},
        {"10 m\u03A9", ValueError::AmbiguousPrefix}, {"4k7x", ValueError::TrailingText},
        {"4.7.1", ValueError::TrailingText}, {"4.7e", ValueError::TrailingText}, {"4k7 5", ValueError::TrailingText},
        {"4k7 \u00B1", ValueError::BadTolerance}, {"4k7 0%", ValueError::BadTolerance},
        {"4k7 100%", ValueError::BadTolerance}, {"4k7 5% more", ValueError::BadTolerance},
        {"0.0009", ValueError::TooSmall}, {"1e-99999999999", ValueError::TooSmall}, {"1.1T", ValueError::TooLarge},
        {"1e13", ValueError::TooLarge}, {"9" + std::string(40, '0'), ValueError::TooLarge},
        {"1.23456789012345", ValueError::None},  // 15 digits, the most the panels show
        {"1.234567890123456", ValueError::TooManyDigits}, {std::string(30, '1'), ValueError::TooManyDigits},
        {"1,000", ValueError::AmbiguousMark}, {"4.700 \u03A9 5%", ValueError::AmbiguousMark}};
    for (const auto& [text, error] : rows) {
        const auto reading = ReadTypedValue(text);
        EXPECT_EQ(reading.error, error) << '"' << text << '"';
        EXPECT_EQ(reading.value.has_value(), error == ValueError::None) << '"' << text << '"';
    }
}
