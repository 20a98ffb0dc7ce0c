#include "band_meanings.h"
#include "bandwise/decoding/decoding_result.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using bandwise::ComputeDecodingResult;
using bandwise::DecodingSelection;
using bandwise::ResultForm;
using common::BandColour;
using common::BandScheme;

namespace {

// "47" moved `places` decimal places: to the right with zeros, or to the left with a point.
std::string shifted(const std::string& digits, int places)
{
    if (places >= 0)
        return digits + std::string(places, '0');
    const std::string padded = std::string(std::max(0, -places - int(digits.size()) + 1), '0') + digits;
    return padded.substr(0, padded.size() + places) + "." + padded.substr(padded.size() + places);
}

std::optional<std::string> value(const DecodingSelection& selection, BandScheme scheme, ResultForm form)
{
    return ComputeDecodingResult(selection, scheme, form, ".").resistorValue;
}

}  // namespace

TEST(DecodingResult, everyMultiplierInEveryForm)
{
    DecodingSelection selection;
    selection.firstBand = BandColour::Yellow;
    selection.secondBand = BandColour::Violet;
    selection.thirdBand = BandColour::White;  // not a digit of a four-band resistor
    for (const testsupport::BandMeaning& row : testsupport::BandMeanings()) {
        if (!row.exponent && !row.factor)
            continue;
        SCOPED_TRACE(row.name);
        selection.multiplier = row.colour;
        const int places = row.exponent ? *row.exponent : int(std::lround(std::log10(*row.factor)));
        EXPECT_EQ(value(selection, BandScheme::FourBand, ResultForm::Normal), shifted("47", places));
        EXPECT_EQ(value(selection, BandScheme::FourBand, ResultForm::Exponent),
            places > 0 ? "47E" + std::to_string(places) : shifted("47", places));
        EXPECT_EQ(value(selection, BandScheme::FiveBand, ResultForm::Normal), shifted("479", places));
        // Units follow the exponent alone: kilo from 10^3, mega from 10^6.
        const int prefixPower = places >= 6 ? 6 : places >= 3 ? 3 : 0;
        const auto units = ComputeDecodingResult(selection, BandScheme::FourBand, ResultForm::InUnits, ".");
        EXPECT_EQ(units.resistorValue, shifted("47", places - prefixPower));
        EXPECT_EQ(units.unitCaption, std::string(prefixPower == 6 ? "M" : prefixPower == 3 ? "K" : "") + "Ω");
    }
}

TEST(DecodingResult, toleranceTempcoAndSeparatorAreAppliedAsChosen)
{
    DecodingSelection selection;
    selection.firstBand = BandColour::Black;
    selection.secondBand = BandColour::Brown;
    EXPECT_EQ(value(selection, BandScheme::FourBand, ResultForm::Normal), "1");  // no multiplier reads as 10^0
    for (const testsupport::BandMeaning& row : testsupport::BandMeanings()) {
        if (!row.tolerance)
            continue;
        selection.tolerance = common::ToleranceChoice(row.colour);
        EXPECT_EQ(value(selection, BandScheme::FourBand, ResultForm::Normal), "1" + *row.tolerance) << row.name;
    }
    selection.tolerance = common::ToleranceChoice::None();
    selection.multiplier = BandColour::Silver;
    EXPECT_EQ(ComputeDecodingResult(selection, BandScheme::FourBand, ResultForm::Normal, ",").resistorValue,
        "0,01" + testsupport::kNoBandTolerance);

    for (const testsupport::BandMeaning& row : testsupport::BandMeanings()) {
        if (!row.tempco)
            continue;
        DecodingSelection tempcoOnly;  // digits incomplete: the value is left alone, the tempco is not
        tempcoOnly.tempco = row.colour;
        const auto output = ComputeDecodingResult(tempcoOnly, BandScheme::SixBand, ResultForm::Normal, ".");
        EXPECT_EQ(output.tempcoValue, row.tempco) << row.name;
        EXPECT_FALSE(output.resistorValue.has_value());
    }
}

TEST(DecodingResult, incompleteDigitBandsLeaveValueAndUnitAlone)
{
    DecodingSelection twoDigits;
    twoDigits.firstBand = BandColour::Brown;
    twoDigits.secondBand = BandColour::Black;
    twoDigits.multiplier = BandColour::Orange;
    DecodingSelection secondOnly = twoDigits;
    secondOnly.firstBand.reset();
    const std::pair<BandScheme, DecodingSelection> rows[] = {{BandScheme::FourBand, DecodingSelection {}},
        {BandScheme::FourBand, secondOnly}, {BandScheme::FiveBand, twoDigits}, {BandScheme::SixBand, twoDigits}};
    for (const auto& [scheme, selection] : rows) {
        const auto output = ComputeDecodingResult(selection, scheme, ResultForm::InUnits, ".");
        EXPECT_FALSE(output.resistorValue.has_value());
        EXPECT_FALSE(output.unitCaption.has_value());
    }
}
