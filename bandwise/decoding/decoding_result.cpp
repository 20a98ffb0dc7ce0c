#include "bandwise/decoding/decoding_result.h"

#include "common/number_text.h"
#include "common/ohm_sign.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace bandwise {

using common::BandColour;
using common::Multiplier;

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
UnitScale unitScaleFor(const Multiplier& multiplier)
{
    if (multiplier.form == Multiplier::Form::Factor)
        return {multiplier.factor, ""};
    const int e = multiplier.exponent;
    if (e >= 6)
        return {powerOfTen(e - 6), "M"};
    if (e >= 3)
        return {powerOfTen(e - 3), "K"};
    return {powerOfTen(e), ""};
}

}  // namespace

DecodingOutput ComputeDecodingResult(
    const DecodingSelection& selection, common::BandScheme scheme, ResultForm form, std::string_view decimalSeparator)
{
    DecodingOutput output;

    if (const std::optional<int> digits = digitValue(selection, scheme)) {
        const double v = *digits;
        // An unset multiplier reads as exponent 0 everywhere.
        constexpr Multiplier kUnset = Multiplier::fromExponent(0);
        const Multiplier multiplier =
            selection.multiplier ? common::MultiplierOf(*selection.multiplier).value_or(kUnset) : kUnset;
        const bool isFactor = multiplier.form == Multiplier::Form::Factor;
        const int exponent = multiplier.exponent;

        std::string tolerance;
        if (selection.tolerance) {
            if (const auto text = common::ToleranceTextOf(*selection.tolerance))
                tolerance = *text;
        }
        const auto number = [&](double x) { return common::GeneralNumberText(x, decimalSeparator); };

        std::string text;
        switch (form) {
        case ResultForm::Normal:
            text = isFactor ? number(multiplier.factor * v) : number(v * powerOfTen(exponent));
            break;
        case ResultForm::Exponent:
            if (isFactor)
                text = number(multiplier.factor * v);
            else if (exponent == 0)
                text = number(v);
            else
                text = number(v) + "E" + std::to_string(exponent);
            break;
        case ResultForm::InUnits: {
            const UnitScale unit = unitScaleFor(multiplier);
            output.unitCaption = std::string(unit.prefix) + std::string(common::kOhmSign);
            text = number(unit.scale * v);
            break;
        }
        }
        output.resistorValue = text + tolerance;
    }

    if (selection.tempco) {
        if (const auto text = common::TempcoTextOf(*selection.tempco))
            output.tempcoValue = std::string(*text);
    }
    return output;
}

std::optional<values::TypedValue> ExactReading(const DecodingSelection& selection, common::BandScheme scheme)
{
    const std::optional<int> digits = digitValue(selection, scheme);
    if (!digits)
        return std::nullopt;
    int exponent = 0;  // an unset multiplier reads as 10^0, as in the box
    if (const auto multiplier = selection.multiplier ? common::MultiplierOf(*selection.multiplier) : std::nullopt) {
        exponent = multiplier->form == Multiplier::Form::Exponent
            ? multiplier->exponent
            : static_cast<int>(std::lround(std::log10(multiplier->factor)));
    }
    values::TypedValue reading {values::MakeDecimal(*digits, exponent), std::nullopt};
    if (selection.tolerance) {
        if (const auto text = common::ToleranceTextOf(*selection.tolerance))
            reading.tolerancePercent = TolerancePercent(*text);
    }
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
        isDigit(mirrored.secondBand) && isDigit(mirrored.thirdBand) && common::MultiplierOf(*mirrored.multiplier) &&
        common::ToleranceTextOf(*mirrored.tolerance) && (!sixBand || common::TempcoTextOf(*mirrored.tempco));
    const bool symmetric = std::equal(stripes.begin(), stripes.end(), stripes.rbegin());
    if (!meaningful || symmetric)
        return std::nullopt;
    return mirrored;
}

std::optional<values::Decimal> TolerancePercent(std::string_view text)
{
    constexpr std::string_view kPlusMinus = "\u00B1";
    if (text.starts_with(kPlusMinus))
        text.remove_prefix(kPlusMinus.size());
    if (text.ends_with('%'))
        text.remove_suffix(1);
    return values::DecimalFromText(text);
}

}  // namespace bandwise
