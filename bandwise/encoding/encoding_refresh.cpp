#include "bandwise/encoding/encoding_refresh.h"

#include "bandwise/decoding/decoding_result.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace bandwise {

using common::BandColour;
using common::ToleranceChoice;

namespace {

// "0" to "7" are powers of ten (the number of zeros); Grey and White have no multiplier text.
constexpr std::array<std::pair<std::string_view, BandColour>, 10> kMultiplierTexts = {{
    {"0", BandColour::Black},
    {"1", BandColour::Brown},
    {"2", BandColour::Red},
    {"3", BandColour::Orange},
    {"4", BandColour::Yellow},
    {"5", BandColour::Green},
    {"6", BandColour::Blue},
    {"7", BandColour::Violet},
    {"x0.1", BandColour::Gold},
    {"x0.01", BandColour::Silver},
}};

constexpr std::array<ToleranceChoice, 9> kToleranceChoices = {
    ToleranceChoice(BandColour::Brown),
    ToleranceChoice(BandColour::Red),
    ToleranceChoice(BandColour::Green),
    ToleranceChoice(BandColour::Blue),
    ToleranceChoice(BandColour::Violet),
    ToleranceChoice(BandColour::Grey),
    ToleranceChoice(BandColour::Gold),
    ToleranceChoice(BandColour::Silver),
    ToleranceChoice::None(),
};

constexpr std::array<BandColour, 4> kTempcoColours = {
    BandColour::Brown, BandColour::Red, BandColour::Orange, BandColour::Yellow};

std::optional<BandColour> digitColour(std::string_view text)
{
    for (BandColour colour : common::kAllBandColours) {
        const std::optional<int> digit = common::DigitOf(colour);
        if (digit && text.size() == 1 && text[0] == static_cast<char>('0' + *digit))
            return colour;
    }
    return std::nullopt;
}

std::optional<BandColour> multiplierColour(std::string_view text)
{
    for (const auto& [item, colour] : kMultiplierTexts) {
        if (item == text)
            return colour;
    }
    return std::nullopt;
}

std::optional<ToleranceChoice> toleranceChoice(std::string_view text)
{
    for (ToleranceChoice choice : kToleranceChoices) {
        if (common::ToleranceTextOf(choice) == text)
            return choice;
    }
    return std::nullopt;
}

std::optional<BandColour> tempcoColour(std::string_view text)
{
    for (BandColour colour : kTempcoColours) {
        if (common::TempcoTextOf(colour) == text)
            return colour;
    }
    return std::nullopt;
}

// What the band of each row says on its stripe.
constexpr std::array<common::StripeKind, kEncodingRowCount> kStripeKinds = {common::StripeKind::Digit,
    common::StripeKind::Digit, common::StripeKind::Digit, common::StripeKind::Multiplier, common::StripeKind::Tolerance,
    common::StripeKind::Tempco};

double factorOf(std::string_view multiplierText)
{
    if (multiplierText == "x0.1")
        return 0.1;
    if (multiplierText == "x0.01")
        return 0.01;
    return std::pow(10.0, common::LeadingNumber(multiplierText));
}

}  // namespace

EncodingOutput ComputeEncodingRefresh(const EncodingInputs& in)
{
    EncodingOutput out;
    const auto& texts = in.listTexts;
    const auto showColour = [&](int row, int swatch, BandColour colour) {
        const std::string& name = in.colourNames[common::OrdinalOf(colour)];
        out.boxTexts[row] = in.toUpper(name);
        out.colourNames[row] = name;
        out.swatchColours[swatch] = in.palette[colour];
        out.swatchDescriptions[swatch] = name + ": " + common::MeaningOn(kStripeKinds[row], colour).value_or("");
    };

    for (int row : {FirstDigitRow, SecondDigitRow, ThirdDigitRow}) {
        if (const auto colour = digitColour(texts[row]))
            showColour(row, row, *colour);
    }
    if (const auto colour = multiplierColour(texts[MultiplierRow])) {
        // In a four-band resistor the third band is the multiplier: it paints over the third digit.
        const int swatch = in.scheme == common::BandScheme::FourBand ? ThirdDigitRow : MultiplierRow;
        showColour(MultiplierRow, swatch, *colour);
    }
    if (const auto choice = toleranceChoice(texts[ToleranceRow])) {
        if (choice->isNone()) {
            out.boxTexts[ToleranceRow] = in.toUpper(in.noneName);
            out.colourNames[ToleranceRow] = in.noneName;
            out.swatchColours[ToleranceRow] = in.palette.body;
            out.swatchDescriptions[ToleranceRow] =
                in.noneName + ": " + std::string(common::ToleranceTextOf(*choice).value_or(""));
        } else {
            showColour(ToleranceRow, ToleranceRow, *choice->colour());
        }
    }
    if (const auto colour = tempcoColour(texts[TempcoRow]))
        showColour(TempcoRow, TempcoRow, *colour);

    std::string digits = texts[FirstDigitRow] + texts[SecondDigitRow];
    if (in.scheme != common::BandScheme::FourBand)
        digits += texts[ThirdDigitRow];
    const double value = common::LeadingNumber(digits) * factorOf(texts[MultiplierRow]);
    out.resValue = common::GeneralNumberText(value, in.decimalSeparator) + texts[ToleranceRow];
    return out;
}

std::optional<values::TypedValue> ExactListReading(
    const std::array<std::string, kEncodingRowCount>& texts, common::BandScheme scheme)
{
    std::string digits = texts[FirstDigitRow] + texts[SecondDigitRow];
    if (scheme != common::BandScheme::FourBand)
        digits += texts[ThirdDigitRow];
    const std::optional<values::Decimal> number = values::DecimalFromText(digits);
    const std::optional<BandColour> multiplier = multiplierColour(texts[MultiplierRow]);
    const bool complete = !texts[FirstDigitRow].empty() && !texts[SecondDigitRow].empty() &&
        (scheme == common::BandScheme::FourBand || !texts[ThirdDigitRow].empty());
    if (!complete || !number || !multiplier)
        return std::nullopt;
    const common::Multiplier factor = *common::MultiplierOf(*multiplier);
    const int exponent = factor.form == common::Multiplier::Form::Exponent
        ? factor.exponent
        : static_cast<int>(std::lround(std::log10(factor.factor)));
    return values::TypedValue {values::MakeDecimal(number->mantissa, number->exponent + exponent),
        texts[ToleranceRow].empty() ? std::nullopt : TolerancePercent(texts[ToleranceRow])};
}

DecodingSelection ListColours(const std::array<std::string, kEncodingRowCount>& texts)
{
    return {digitColour(texts[FirstDigitRow]), digitColour(texts[SecondDigitRow]), digitColour(texts[ThirdDigitRow]),
        multiplierColour(texts[MultiplierRow]), toleranceChoice(texts[ToleranceRow]), tempcoColour(texts[TempcoRow])};
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
    const EncodingRow rows[] = {FirstDigitRow, SecondDigitRow, ThirdDigitRow};
    for (int i = 0; i < digits; ++i)
        entry.items[rows[i]] = std::string(1, text[static_cast<std::size_t>(i)]);
    entry.items[MultiplierRow] = power == -2 ? "x0.01" : power == -1 ? "x0.1" : std::to_string(power);
    if (value.tolerancePercent) {
        for (std::string_view item : ToleranceListItems()) {
            if (TolerancePercent(item) == value.tolerancePercent)
                entry.items[ToleranceRow] = std::string(item);
        }
        if (!entry.items[ToleranceRow])
            return {Problem::NoSuchTolerance, {}};
    }
    return entry;
}

values::Decimal LargestListValue(common::BandScheme scheme)
{
    return values::MakeDecimal(scheme == common::BandScheme::FourBand ? 99 : 999, 7);
}

const std::array<std::string_view, 10>& DigitListItems()
{
    static constexpr std::array<std::string_view, 10> items = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return items;
}

const std::array<std::string_view, 10>& MultiplierListItems()
{
    static constexpr std::array<std::string_view, 10> items = [] {
        std::array<std::string_view, 10> result {};
        for (std::size_t i = 0; i < kMultiplierTexts.size(); ++i)
            result[i] = kMultiplierTexts[i].first;
        return result;
    }();
    return items;
}

const std::array<std::string_view, 9>& ToleranceListItems()
{
    static constexpr std::array<std::string_view, 9> items = {
        "±1%", "±2%", "±0.5%", "±0.25%", "±0.10%", "±0.05%", "±5%", "±10%", "±20%"};
    return items;
}

const std::array<std::string_view, 4>& TempcoListItems()
{
    static constexpr std::array<std::string_view, 4> items = {"100 ppm", "50 ppm", "15 ppm", "25 ppm"};
    return items;
}

}  // namespace bandwise
