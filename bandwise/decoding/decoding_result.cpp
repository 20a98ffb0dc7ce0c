#include "bandwise/decoding/decoding_result.h"

#include "common/number_text.h"
#include "common/values/ohm_sign.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace bandwise {

using common::BandColour;

namespace {

// Leading zeros drop out: Black, Yellow, Violet reads as 47.
std::optional<int> digitValue(const DecodingSelection& selection, common::BandScheme scheme)
{
    const bool fourBand = scheme == common::BandScheme::FourBand;
    const std::optional<BandColour> bands[] = {
        selection.firstBand, selection.secondBand, fourBand ? std::nullopt : selection.thirdBand};
    const int count = fourBand ? 2 : 3;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (!bands[i])
            return std::nullopt;
        const std::optional<int> digit = common::DigitOf(*bands[i]);
        if (!digit)
            return std::nullopt;
        value = value * 10 + *digit;
    }
    return value;
}

double powerOfTen(int exponent)
{
    return std::pow(10.0, exponent);
}

struct UnitScale {
    double scale;
    std::string_view prefix;
};

// The unit follows the exponent alone, never the size of the result.
UnitScale unitScaleFor(int power)
{
    if (power >= 6)
        return {powerOfTen(power - 6), "M"};
    if (power >= 3)
        return {powerOfTen(power - 3), "K"};
    return {powerOfTen(power), ""};
}

// An unset multiplier reads as 10^0 everywhere.
int multiplierPower(const DecodingSelection& selection)
{
    return selection.multiplier ? common::MultiplierPowerOf(*selection.multiplier).value_or(0) : 0;
}

}  // namespace

DecodingOutput ComputeDecodingResult(
    const DecodingSelection& selection, common::BandScheme scheme, ResultForm form, std::string_view decimalSeparator)
{
    DecodingOutput output;

    if (const std::optional<int> digits = digitValue(selection, scheme)) {
        const double v = *digits;
        const int exponent = multiplierPower(selection);
        const std::string tolerance =
            selection.tolerance ? common::ToleranceTextOf(*selection.tolerance).value_or("") : "";
        const auto number = [&](double x) { return common::GeneralNumberText(x, decimalSeparator); };

        std::string text;
        switch (form) {
        case ResultForm::Normal:
            text = number(v * powerOfTen(exponent));
            break;
        case ResultForm::Exponent:
            // Gold and silver are factors, written out: 4.7 rather than 47E-1.
            text = exponent > 0 ? number(v) + "E" + std::to_string(exponent) : number(v * powerOfTen(exponent));
            break;
        case ResultForm::InUnits: {
            const UnitScale unit = unitScaleFor(exponent);
            output.unitCaption = std::string(unit.prefix) + std::string(values::kOhmSign);
            text = number(unit.scale * v);
            break;
        }
        }
        output.resistorValue = text + tolerance;
    }

    if (selection.tempco)
        output.tempcoValue = common::MeaningOn(common::StripeKind::Tempco, *selection.tempco);
    return output;
}

std::optional<values::Decimal> ExactTolerance(common::ToleranceChoice choice)
{
    const std::optional<common::TolerancePercent> tolerance = common::ToleranceOf(choice);
    return tolerance ? std::optional(values::MakeDecimal(tolerance->mantissa, tolerance->exponent)) : std::nullopt;
}

std::optional<values::TypedValue> ExactReading(const DecodingSelection& selection, common::BandScheme scheme)
{
    const std::optional<int> digits = digitValue(selection, scheme);
    if (!digits)
        return std::nullopt;
    values::TypedValue reading {values::MakeDecimal(*digits, multiplierPower(selection)), std::nullopt};
    if (selection.tolerance)
        reading.tolerancePercent = ExactTolerance(*selection.tolerance);
    return reading;
}

std::optional<DecodingSelection> FromTheOtherEnd(const DecodingSelection& selection, common::BandScheme scheme)
{
    const bool threeDigits = scheme != common::BandScheme::FourBand;
    const bool sixBand = scheme == common::BandScheme::SixBand;
    if (!selection.tolerance || (sixBand && selection.tolerance->isNone()))
        return std::nullopt;
    // The stripes as they stand on the body, first digit first.
    std::vector<std::optional<BandColour>> stripes = {selection.firstBand, selection.secondBand};
    if (threeDigits)
        stripes.push_back(selection.thirdBand);
    stripes.push_back(selection.multiplier);
    if (!selection.tolerance->isNone())
        stripes.push_back(selection.tolerance->colour());
    if (sixBand)
        stripes.push_back(selection.tempco);
    if (!std::all_of(
            stripes.begin(), stripes.end(), [](std::optional<BandColour> stripe) { return stripe.has_value(); }))
        return std::nullopt;

    auto next = stripes.rbegin();
    DecodingSelection mirrored;
    mirrored.firstBand = *next++;
    mirrored.secondBand = *next++;
    if (threeDigits)
        mirrored.thirdBand = *next++;
    mirrored.multiplier = *next++;
    mirrored.tolerance =
        selection.tolerance->isNone() ? common::ToleranceChoice::None() : common::ToleranceChoice(**next++);
    if (sixBand)
        mirrored.tempco = *next++;

    const auto isDigit = [](std::optional<BandColour> colour) { return !colour || common::DigitOf(*colour); };
    const bool meaningful = mirrored.firstBand != BandColour::Black && isDigit(mirrored.firstBand) &&
        isDigit(mirrored.secondBand) && isDigit(mirrored.thirdBand) &&
        common::MultiplierPowerOf(*mirrored.multiplier) && common::ToleranceOf(*mirrored.tolerance) &&
        (!sixBand || common::TempcoOf(*mirrored.tempco));
    const bool symmetric = std::equal(stripes.begin(), stripes.end(), stripes.rbegin());
    if (!meaningful || symmetric)
        return std::nullopt;
    return mirrored;
}

}  // namespace bandwise
