#include "common/values/notation.h"
#include "common/values/series.h"
#include "common/values/typed_value.h"

#include <gtest/gtest.h>

using namespace values;

TEST(ValuesNotation, engineeringAndPartCodesOfAValue)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {{"4700", "4.7 k\u03A9", "4K7"},
        {"470", "470 \u03A9", "470R"}, {"1000000", "1 M\u03A9", "1M0"}, {"0.47", "0.47 \u03A9", "R47"},
        {"1000000000", "1 G\u03A9", "1G0"}, {"2200000", "2.2 M\u03A9", "2M2"}, {"1", "1 \u03A9", "1R0"},
        {"1000", "1 k\u03A9", "1K0"}, {"10000", "10 k\u03A9", "10K"}, {"100", "100 \u03A9", "100R"},
        {"4990", "4.99 k\u03A9", "4K99"}, {"4.7", "4.7 \u03A9", "4R7"}, {"999", "999 \u03A9", "999R"},
        {"0.1", "0.1 \u03A9", "R10"}, {"0.001", "0.001 \u03A9", "R001"}, {"1000000000000", "1 T\u03A9", "1T0"},
        {"0", "0 \u03A9", "0R0"}};
    for (const auto& [value, engineering, rkm] : rows) {
        const Decimal ohms = *DecimalFromText(value);
        EXPECT_EQ(EngineeringText(ohms), engineering) << value;
        EXPECT_EQ(RkmText(ohms), rkm) << value;
    }
    EXPECT_EQ(EngineeringText(*DecimalFromText("4700"), ","), "4,7 k\u03A9");
}

TEST(ValuesNotation, bothTextsReadBackAsTheSameValueOverTheWholeRange)
{
    for (int power = -3; power <= 11; ++power) {  // 1 mΩ to 976 GΩ
        for (const Decimal member : SeriesDecade(Series::E96)) {
            const Decimal ohms = *ScaledByPowerOfTen(member, power);
            for (const std::string& text : {EngineeringText(ohms), RkmText(ohms)}) {
                const auto reading = ReadTypedValue(text);
                ASSERT_TRUE(reading.value) << text;
                EXPECT_EQ(DecimalText(reading.value->ohms), DecimalText(ohms)) << text;
            }
        }
    }
}
