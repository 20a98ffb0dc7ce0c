#include "common/values/series.h"
#include "common/values/smd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace values;

namespace {

// "Eia96 4990", kind and value of each reading, so that a failure shows them.
std::string readingsText(const SmdDecoding& decoding)
{
    static const char* const kinds[] = {"Jumper", "ThreeDigit", "FourDigit", "Eia96"};
    std::string text;
    for (const auto& [kind, ohms] : decoding.readings)
        text += std::string(text.empty() ? "" : ", ") + kinds[static_cast<int>(kind)] + ' ' + DecimalText(ohms);
    return text;
}

std::string markingsText(const std::vector<SmdMarking>& markings)
{
    std::string text;
    for (const auto& marking : markings)
        text += (text.empty() ? "" : " ") + marking.code;
    return text;
}

}  // namespace

TEST(ValuesSmd, decodesEveryReadingOfACode)
{
    const std::pair<const char*, const char*> rows[] = {{"472", "ThreeDigit 4700"}, {"4R7", "ThreeDigit 4.7"},
        {"R47", "ThreeDigit 0.47"}, {"4701", "FourDigit 4700"}, {"49R9", "FourDigit 49.9"}, {"1002", "FourDigit 10000"},
        {"R001", "FourDigit 0.001"}, {"68B", "Eia96 4990"}, {"01C", "Eia96 10000"}, {"02A", "Eia96 102"},
        {"96A", "Eia96 976"}, {"01a", "Eia96 100"}, {"68h", "Eia96 4990"}, {"01Z", "Eia96 0.1"}, {"01Y", "Eia96 1"},
        {"01S", "Eia96 10"}, {"01X", "Eia96 10"}, {"01F", "Eia96 10000000"}, {" 472 ", "ThreeDigit 4700"},
        {"10R", "Eia96 1.24, ThreeDigit 10"}, {"68r", "Eia96 4.99, ThreeDigit 68"}, {"97R", "ThreeDigit 97"},
        {"000", "Jumper 0"}, {"0", "Jumper 0"}, {"0R0", "Jumper 0"}};
    for (const auto& [code, readings] : rows) {
        const auto decoding = DecodeSmd(code);
        EXPECT_EQ(readingsText(decoding), readings) << '"' << code << '"';
        EXPECT_EQ(decoding.error, SmdError::None) << '"' << code << '"';
    }

    const std::pair<const char*, SmdError> refused[] = {{"", SmdError::Empty}, {"  ", SmdError::Empty},
        {"4K7", SmdError::UnknownShape}, {"12345", SmdError::UnknownShape}, {"ABC", SmdError::UnknownShape},
        {"68Q", SmdError::UnknownShape}, {"4RR7", SmdError::UnknownShape}, {"047", SmdError::LeadingZero},
        {"0471", SmdError::LeadingZero}, {"97A", SmdError::UnknownIndex}, {"00B", SmdError::UnknownIndex}};
    for (const auto& [code, error] : refused) {
        const auto decoding = DecodeSmd(code);
        EXPECT_EQ(decoding.error, error) << '"' << code << '"';
        EXPECT_EQ(readingsText(decoding), "") << '"' << code << '"';
    }
}

TEST(ValuesSmd, encodesTheMarkingsAValueCanCarry)
{
    const std::pair<const char*, const char*> rows[] = {{"4700", "472 4701"}, {"4990", "4991 68B"},
        {"10000", "103 1002 01C"}, {"4.7", "4R7 4R70"}, {"0.47", "R47 R470"}, {"49.9", "49R9 68X"},
        {"10", "100 10R0 01X"}, {"0.01", "R01 R010"}, {"0.001", "R001"}, {"97600000", "9765 96F"},
        {"100000000", "107 1006"}, {"15000000000", "159 1508"}, {"100000000000", "1009"}, {"1234", ""}, {"0.0001", ""},
        {"-4700", ""}, {"0", "000"}};
    for (const auto& [value, codes] : rows)
        EXPECT_EQ(markingsText(EncodeSmd(*DecimalFromText(value))), codes) << value;
}

TEST(ValuesSmd, everyMarkingOfAnE96ValueReadsBackAsThatValue)
{
    for (int power = -1; power <= 7; ++power) {  // the decades the EIA-96 letters cover
        for (const Decimal member : SeriesDecade(Series::E96)) {
            const Decimal ohms = *ScaledByPowerOfTen(member, power);
            const auto markings = EncodeSmd(ohms);
            EXPECT_TRUE(std::any_of(markings.begin(), markings.end(), [](const SmdMarking& m) {
                return m.kind == SmdKind::Eia96;
            })) << DecimalText(ohms);
            for (const auto& [kind, code] : markings) {
                const auto readings = DecodeSmd(code).readings;
                EXPECT_NE(std::find(readings.begin(), readings.end(), SmdReading {kind, ohms}), readings.end())
                    << code << " for " << DecimalText(ohms);
            }
        }
    }
}
