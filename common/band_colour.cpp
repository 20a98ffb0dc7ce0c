#include "common/band_colour.h"

#include "common/number_text.h"

namespace common {

namespace {

struct ColourMeaning {
    std::string_view name;
    std::optional<int> digit;
    std::optional<Multiplier> multiplier;
    std::optional<std::string_view> tolerance;
    std::optional<std::string_view> tempco;
};

constexpr std::optional<Multiplier> exponent(int e)
{
    return Multiplier::fromExponent(e);
}
constexpr std::optional<Multiplier> factor(double f)
{
    return Multiplier::fromFactor(f);
}
constexpr std::nullopt_t none = std::nullopt;

// Indexed by ordinal.
const std::array<ColourMeaning, kBandColourCount> kMeanings = {{
    {"Black", 0, exponent(0), none, none},
    {"Brown", 1, exponent(1), "\u00B11%", "100 ppm"},
    {"Red", 2, exponent(2), "\u00B12%", "50 ppm"},
    {"Orange", 3, exponent(3), none, "15 ppm"},
    {"Yellow", 4, exponent(4), none, "25 ppm"},
    {"Green", 5, exponent(5), "\u00B10.5%", none},
    {"Blue", 6, exponent(6), "\u00B10.25%", none},
    {"Violet", 7, exponent(7), "\u00B10.10%", none},
    {"Grey", 8, none, "\u00B10.05%", none},
    {"White", 9, none, none, none},
    {"Gold", none, factor(0.1), "\u00B15%", none},
    {"Silver", none, factor(0.01), "\u00B110%", none},
}};

constexpr std::string_view kNoBandToleranceText = "\u00B120%";

const ColourMeaning& meaningOf(BandColour colour)
{
    return kMeanings[OrdinalOf(colour)];
}

}  // namespace

std::optional<BandColour> BandColourFromOrdinal(int ordinal)
{
    if (ordinal < 0 || ordinal >= kBandColourCount)
        return std::nullopt;
    return static_cast<BandColour>(ordinal);
}

std::string_view CanonicalNameOf(BandColour colour)
{
    return meaningOf(colour).name;
}

std::optional<BandColour> BandColourFromName(std::string_view name)
{
    for (BandColour colour : kAllBandColours) {
        if (meaningOf(colour).name == name)
            return colour;
    }
    return std::nullopt;
}

std::optional<int> DigitOf(BandColour colour)
{
    return meaningOf(colour).digit;
}

std::optional<Multiplier> MultiplierOf(BandColour colour)
{
    return meaningOf(colour).multiplier;
}

std::optional<std::string_view> ToleranceTextOf(ToleranceChoice choice)
{
    if (choice.isNone())
        return kNoBandToleranceText;
    return meaningOf(*choice.colour()).tolerance;
}

std::optional<std::string_view> TempcoTextOf(BandColour colour)
{
    return meaningOf(colour).tempco;
}

std::optional<std::string> MeaningOn(StripeKind kind, BandColour colour)
{
    switch (kind) {
    case StripeKind::Digit:
        if (const auto digit = DigitOf(colour))
            return std::to_string(*digit);
        return std::nullopt;
    case StripeKind::Multiplier:
        if (const auto multiplier = MultiplierOf(colour)) {
            // Appended rather than concatenated: GCC 12 at -O3 warns falsely about the concatenation.
            std::string text = "x";
            if (multiplier->form == Multiplier::Form::Exponent)
                text.append("1").append(static_cast<std::size_t>(multiplier->exponent), '0');
            else
                text += GeneralNumberText(multiplier->factor, ".");
            return text;
        }
        return std::nullopt;
    case StripeKind::Tolerance:
        if (const auto text = ToleranceTextOf(ToleranceChoice(colour)))
            return std::string(*text);
        return std::nullopt;
    case StripeKind::Tempco:
        if (const auto text = TempcoTextOf(colour))
            return std::string(*text);
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace common
