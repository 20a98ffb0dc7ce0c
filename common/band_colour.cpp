#include "common/band_colour.h"

namespace common {

namespace {

// What each colour means in each position: the colour code, once.
struct ColourMeaning {
    std::string_view name;
    std::optional<int> digit;
    std::optional<int> multiplierPower;
    std::optional<TolerancePercent> tolerance;
    std::optional<int> tempcoPpm;
};

constexpr std::nullopt_t none = std::nullopt;
constexpr TolerancePercent percent(int mantissa, int exponent = 0)
{
    return {mantissa, exponent};
}

// Indexed by ordinal.
constexpr std::array<ColourMeaning, kBandColourCount> kMeanings = {{
    {"Black", 0, 0, none, none},
    {"Brown", 1, 1, percent(1), 100},
    {"Red", 2, 2, percent(2), 50},
    {"Orange", 3, 3, none, 15},
    {"Yellow", 4, 4, none, 25},
    {"Green", 5, 5, percent(5, -1), none},
    {"Blue", 6, 6, percent(25, -2), none},
    {"Violet", 7, 7, percent(10, -2), none},
    {"Grey", 8, none, percent(5, -2), none},
    {"White", 9, none, none, none},
    {"Gold", none, -1, percent(5), none},
    {"Silver", none, -2, percent(10), none},
}};

constexpr TolerancePercent kNoBandTolerance = percent(20);

const ColourMeaning& meaningOf(BandColour colour)
{
    return kMeanings[OrdinalOf(colour)];
}

// The digits of `mantissa` with `decimals` of them after a point: 5 and 2 give "0.05".
std::string withDecimals(int mantissa, int decimals)
{
    std::string digits = std::to_string(mantissa);
    if (decimals <= 0)
        return digits + std::string(static_cast<std::size_t>(-decimals), '0');
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    // Appended rather than inserted: GCC 12 at -O3 warns falsely about the insertion.
    const std::size_t whole = digits.size() - places;
    std::string text = digits.substr(0, whole);
    text += '.';
    return text.append(digits, whole);
}

}  // namespace

std::optional<BandColour> BandColourFromOrdinal(int ordinal)
{
    if (ordinal < 0 || ordinal >= kBandColourCount)
        return std::nullopt;
    return static_cast<BandColour>(ordinal);
}

std::optional<ToleranceChoice> ToleranceChoice::fromId(int id)
{
    if (id == kBandColourCount)
        return None();
    if (const auto colour = BandColourFromOrdinal(id))
        return ToleranceChoice(*colour);
    return std::nullopt;
}

std::string_view CanonicalNameOf(BandColour colour)
{
    return meaningOf(colour).name;
}

std::optional<int> DigitOf(BandColour colour)
{
    return meaningOf(colour).digit;
}

std::optional<int> MultiplierPowerOf(BandColour colour)
{
    return meaningOf(colour).multiplierPower;
}

std::optional<TolerancePercent> ToleranceOf(ToleranceChoice choice)
{
    if (choice.isNone())
        return kNoBandTolerance;
    return meaningOf(*choice.colour()).tolerance;
}

std::optional<int> TempcoOf(BandColour colour)
{
    return meaningOf(colour).tempcoPpm;
}

std::optional<std::string> ToleranceTextOf(ToleranceChoice choice)
{
    if (const auto tolerance = ToleranceOf(choice))
        return "\u00B1" + withDecimals(tolerance->mantissa, -tolerance->exponent) + "%";
    return std::nullopt;
}

std::optional<std::string> MeaningOn(StripeKind kind, BandColour colour)
{
    switch (kind) {
    case StripeKind::Digit:
        if (const auto digit = DigitOf(colour))
            return std::to_string(*digit);
        return std::nullopt;
    case StripeKind::Multiplier:
        if (const auto power = MultiplierPowerOf(colour)) {
            // Appended rather than concatenated, as above.
            std::string text = "x";
            return text.append(withDecimals(1, -*power));
        }
        return std::nullopt;
    case StripeKind::Tolerance:
        return ToleranceTextOf(colour);
    case StripeKind::Tempco:
        if (const auto ppm = TempcoOf(colour))
            return std::to_string(*ppm) + " ppm";
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace common
