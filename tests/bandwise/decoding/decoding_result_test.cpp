#include "bandwise/decoding/decoding_result.h"
#include "decoding_cases.h"

#include <gtest/gtest.h>

using bandwise::ComputeDecodingResult;
using bandwise::DecodingOutput;
using bandwise::DecodingSelection;
using bandwise::ResultForm;
using common::BandColour;
using common::BandScheme;

namespace {

DecodingSelection digitsOf(const testsupport::DigitCase& digits)
{
    DecodingSelection selection;
    selection.firstBand = digits.digits[0];
    selection.secondBand = digits.digits[1];
    if (digits.digits.size() > 2)
        selection.thirdBand = digits.digits[2];
    return selection;
}

}  // namespace

TEST(DecodingResult, everyMultiplierInEveryFormWithEveryKindOfTolerance)
{
    for (const auto& digits : testsupport::decodingCases()) {
        for (const auto& row : digits.multipliers) {
            for (const auto& tolerance : testsupport::toleranceCases()) {
                SCOPED_TRACE(std::string(digits.name) + "/" + row.name + "/tolerance " + tolerance.name);
                DecodingSelection selection = digitsOf(digits);
                selection.multiplier = row.multiplier;
                selection.tolerance = tolerance.tolerance;

                const DecodingOutput normal = ComputeDecodingResult(selection, digits.scheme, ResultForm::Normal, ".");
                EXPECT_EQ(normal.resistorValue, row.normal + tolerance.suffix);
                EXPECT_FALSE(normal.unitCaption.has_value());

                const DecodingOutput exponent =
                    ComputeDecodingResult(selection, digits.scheme, ResultForm::Exponent, ".");
                EXPECT_EQ(exponent.resistorValue, row.exponent + tolerance.suffix);
                EXPECT_FALSE(exponent.unitCaption.has_value());

                const DecodingOutput units = ComputeDecodingResult(selection, digits.scheme, ResultForm::InUnits, ".");
                EXPECT_EQ(units.resistorValue, row.inUnits + tolerance.suffix);
                EXPECT_EQ(units.unitCaption, row.unit);
            }
        }
    }
}

TEST(DecodingResult, incompleteDigitBandsLeaveValueAndUnitAlone)
{
    struct Row {
        const char* name;
        BandScheme scheme;
        DecodingSelection selection;
    };
    DecodingSelection firstOnly;
    firstOnly.firstBand = BandColour::Brown;
    firstOnly.multiplier = BandColour::Red;
    firstOnly.tolerance = common::ToleranceChoice(BandColour::Gold);
    DecodingSelection twoDigits = firstOnly;
    twoDigits.secondBand = BandColour::Black;
    DecodingSelection secondOnly;
    secondOnly.secondBand = BandColour::Red;

    const Row rows[] = {
        {"nothingChosen", BandScheme::FourBand, DecodingSelection {}},
        {"fourBandFirstOnly", BandScheme::FourBand, firstOnly},
        {"fourBandSecondOnly", BandScheme::FourBand, secondOnly},
        {"fiveBandWithoutThird", BandScheme::FiveBand, twoDigits},
        {"sixBandWithoutThird", BandScheme::SixBand, twoDigits},
    };
    for (const Row& row : rows) {
        for (ResultForm form : {ResultForm::Normal, ResultForm::Exponent, ResultForm::InUnits}) {
            const DecodingOutput output = ComputeDecodingResult(row.selection, row.scheme, form, ".");
            EXPECT_FALSE(output.resistorValue.has_value()) << row.name;
            EXPECT_FALSE(output.unitCaption.has_value()) << row.name;
        }
    }
}

TEST(DecodingResult, schemeDecidesWhichDigitsCount)
{
    DecodingSelection selection;
    selection.firstBand = BandColour::Black;
    selection.secondBand = BandColour::Black;
    selection.thirdBand = BandColour::Black;
    selection.multiplier = BandColour::Green;
    EXPECT_EQ(ComputeDecodingResult(selection, BandScheme::FiveBand, ResultForm::Normal, ".").resistorValue, "0");
    EXPECT_EQ(ComputeDecodingResult(selection, BandScheme::FiveBand, ResultForm::Exponent, ".").resistorValue, "0E5");

    selection.firstBand = BandColour::Brown;
    selection.thirdBand = BandColour::White;  // ignored in four-band
    selection.multiplier = BandColour::Violet;
    EXPECT_EQ(
        ComputeDecodingResult(selection, BandScheme::FourBand, ResultForm::Normal, ".").resistorValue, "100000000");
    EXPECT_EQ(
        ComputeDecodingResult(selection, BandScheme::SixBand, ResultForm::Normal, ".").resistorValue, "1090000000");

    // The unit follows the exponent, not the size: 100 x 10^5 stays in K.
    selection.thirdBand = BandColour::Black;
    selection.multiplier = BandColour::Green;
    const DecodingOutput units = ComputeDecodingResult(selection, BandScheme::FiveBand, ResultForm::InUnits, ".");
    EXPECT_EQ(units.resistorValue, "10000");
    EXPECT_EQ(units.unitCaption, "KΩ");
}

TEST(DecodingResult, temperatureCoefficientIsWrittenWheneverChosen)
{
    struct Row {
        std::optional<BandColour> tempco;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {std::nullopt, std::nullopt},
        {BandColour::Brown, "100 ppm"},
        {BandColour::Red, "50 ppm"},
        {BandColour::Orange, "15 ppm"},
        {BandColour::Yellow, "25 ppm"},
    };
    for (const Row& row : rows) {
        DecodingSelection selection;  // digit bands incomplete on purpose
        selection.tempco = row.tempco;
        for (BandScheme scheme : {BandScheme::FourBand, BandScheme::FiveBand, BandScheme::SixBand})
            EXPECT_EQ(ComputeDecodingResult(selection, scheme, ResultForm::Normal, ".").tempcoValue, row.expected);
    }
}
