#include "bandwise/encoding/encoding_refresh.h"

#include "bandwise/decoding/decoding_result.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace bandwise {

using common::BandColour;
using common::ToleranceChoice;

namespace {

// What the band of each row says on its stripe.
constexpr std::array<common::StripeKind, kEncodingRowCount> kStripeKinds = {common::StripeKind::Digit,
    common::StripeKind::Digit, common::StripeKind::Digit, common::StripeKind::Multiplier, common::StripeKind::Tolerance,
    common::StripeKind::Tempco};

// The colour whose meaning, as `meaningOf` tells it, is `wanted`.
template <typename Meaning, typename Wanted>
std::optional<BandColour> colourMeaning(Meaning meaningOf, const Wanted& wanted)
{
    for (BandColour colour : common::kAllBandColours) {
        if (meaningOf(colour) == wanted)
            return colour;
    }
    return std::nullopt;
}

}  // namespace

EncodingOutput ComputeEncodingRefresh(const EncodingInputs& in)
{
    EncodingOutput out;
    const DecodingSelection& chosen = in.chosen;
    const auto showColour = [&](int row, int swatch, BandColour colour) {
        const std::string& name = in.colourNames[common::OrdinalOf(colour)];
        out.boxTexts[row] = in.toUpper(name);
        out.colourNames[row] = name;
        out.swatchColours[swatch] = in.palette[colour];
        out.swatchDescriptions[swatch] = name + ": " + common::MeaningOn(kStripeKinds[row], colour).value_or("");
    };

    const std::array digitRows = {
        std::pair(FirstDigitRow, chosen.firstBand),
        std::pair(SecondDigitRow, chosen.secondBand),
        std::pair(ThirdDigitRow, chosen.thirdBand),
    };
    // The digits chosen, one after the other: a list without a choice drops out.
    std::string digits;
    for (const auto& [row, colour] : digitRows) {
        if (!colour)
            continue;
        showColour(row, row, *colour);
        if (row != ThirdDigitRow || in.scheme != common::BandScheme::FourBand)
            digits += std::to_string(common::DigitOf(*colour).value_or(0));
    }
    if (chosen.multiplier) {
        // In a four-band resistor the third band is the multiplier: it paints over the third digit.
        const int swatch = in.scheme == common::BandScheme::FourBand ? ThirdDigitRow : MultiplierRow;
        showColour(MultiplierRow, swatch, *chosen.multiplier);
    }
    if (const auto& choice = chosen.tolerance) {
        if (choice->isNone()) {
            out.boxTexts[ToleranceRow] = in.toUpper(in.noneName);
            out.colourNames[ToleranceRow] = in.noneName;
            out.swatchColours[ToleranceRow] = in.palette.body;
            out.swatchDescriptions[ToleranceRow] = in.noneName + ": " + common::ToleranceTextOf(*choice).value_or("");
        } else {
            showColour(ToleranceRow, ToleranceRow, *choice->colour());
        }
    }
    if (chosen.tempco)
        showColour(TempcoRow, TempcoRow, *chosen.tempco);

    const int power = chosen.multiplier ? common::MultiplierPowerOf(*chosen.multiplier).value_or(0) : 0;
    const double value = common::LeadingNumber(digits) * std::pow(10.0, power);
    out.resValue = common::GeneralNumberText(value, in.decimalSeparator) +
        (chosen.tolerance ? common::ToleranceTextOf(*chosen.tolerance).value_or("") : "");
    return out;
}

std::optional<values::TypedValue> ExactListReading(const DecodingSelection& chosen, common::BandScheme scheme)
{
    return chosen.multiplier ? ExactReading(chosen, scheme) : std::nullopt;
}

ListEntry ListsForValue(const values::TypedValue& value, common::BandScheme scheme)
{
    using Problem = ListEntry::Problem;
    ListEntry entry;
    const int digits = scheme == common::BandScheme::FourBand ? 2 : 3;
    if (values::SignificantDigits(value.ohms) > digits)
        return {Problem::NeedsMoreDigits, {}};
    if (LargestListValue(scheme) < value.ohms)
        return {Problem::TooLarge, {}};
    // The multiplier that leaves the digits a whole number; the lists go from x0.01 to 10^7.
    constexpr int kSmallestPower = -2;
    const int power = std::max(values::LeadingPower(value.ohms) - (digits - 1), kSmallestPower);
    const std::optional<values::Decimal> whole = values::ScaledByPowerOfTen(value.ohms, -power);
    if (!whole || whole->exponent < 0)
        return {Problem::TooSmall, {}};
    std::string text = std::to_string(whole->mantissa) + std::string(static_cast<std::size_t>(whole->exponent), '0');
    text.insert(0, static_cast<std::size_t>(digits) - std::min(text.size(), static_cast<std::size_t>(digits)), '0');
    const auto digitColour = [&text](std::size_t i) {
        return colourMeaning(common::DigitOf, std::optional(text[i] - '0'));
    };
    entry.choices.firstBand = digitColour(0);
    entry.choices.secondBand = digitColour(1);
    if (digits == 3)
        entry.choices.thirdBand = digitColour(2);
    entry.choices.multiplier = colourMeaning(common::MultiplierPowerOf, std::optional(power));
    if (const auto& percent = value.tolerancePercent) {
        // Every colour, then no band at all.
        for (int id = 0; id <= common::kBandColourCount; ++id) {
            const std::optional<ToleranceChoice> choice = ToleranceChoice::fromId(id);
            if (ExactTolerance(*choice) == *percent)
                entry.choices.tolerance = choice;
        }
        if (!entry.choices.tolerance)
            return {Problem::NoSuchTolerance, {}};
    }
    return entry;
}

values::Decimal LargestListValue(common::BandScheme scheme)
{
    return values::MakeDecimal(scheme == common::BandScheme::FourBand ? 99 : 999, 7);
}

std::vector<ListItem> ListItems(EncodingRow row)
{
    std::vector<ListItem> items;
    for (BandColour colour : common::kAllBandColours) {
        std::optional<std::string> text = common::MeaningOn(kStripeKinds[row], colour);
        // A power of ten is listed by its number of zeros; gold and silver by their factor.
        if (const auto power = common::MultiplierPowerOf(colour); row == MultiplierRow && power >= 0)
            text = std::to_string(*power);
        if (text)
            items.push_back({*text, ToleranceChoice(colour).id()});
    }
    if (row == ToleranceRow)
        items.push_back({*common::ToleranceTextOf(ToleranceChoice::None()), ToleranceChoice::None().id()});
    return items;
}

DecodingSelection ListColours(const std::array<std::optional<int>, kEncodingRowCount>& ids)
{
    const auto colour = [&ids](EncodingRow row) {
        return ids[row] ? common::BandColourFromOrdinal(*ids[row]) : std::nullopt;
    };
    return {colour(FirstDigitRow), colour(SecondDigitRow), colour(ThirdDigitRow), colour(MultiplierRow),
        ids[ToleranceRow] ? ToleranceChoice::fromId(*ids[ToleranceRow]) : std::nullopt, colour(TempcoRow)};
}

std::array<std::optional<int>, kEncodingRowCount> ListIds(const DecodingSelection& chosen)
{
    const auto id = [](std::optional<BandColour> colour) {
        return colour ? std::optional(common::OrdinalOf(*colour)) : std::nullopt;
    };
    return {id(chosen.firstBand), id(chosen.secondBand), id(chosen.thirdBand), id(chosen.multiplier),
        chosen.tolerance ? std::optional(chosen.tolerance->id()) : std::nullopt, id(chosen.tempco)};
}

}  // namespace bandwise
