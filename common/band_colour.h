#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// The order is fixed: it is the order of Colours.ini, of the colour buttons of Settings
// and of the options in each digit group.
enum class BandColour : int {
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White,
    Gold,
    Silver,
};

inline constexpr int kBandColourCount = 12;

inline constexpr std::array<BandColour, kBandColourCount> kAllBandColours = {
    BandColour::Black,
    BandColour::Brown,
    BandColour::Red,
    BandColour::Orange,
    BandColour::Yellow,
    BandColour::Green,
    BandColour::Blue,
    BandColour::Violet,
    BandColour::Grey,
    BandColour::White,
    BandColour::Gold,
    BandColour::Silver,
};

constexpr int OrdinalOf(BandColour colour)
{
    return static_cast<int>(colour);
}
std::optional<BandColour> BandColourFromOrdinal(int ordinal);

// Canonical English names ("Black" ... "Silver"); never translated.
std::string_view CanonicalNameOf(BandColour colour);

// The tolerance position offers the band colours plus "no tolerance band".
class ToleranceChoice {
public:
    constexpr ToleranceChoice(BandColour colour)
        : m_colour(colour)
    { }  // NOLINT: implicit on purpose
    static constexpr ToleranceChoice None() { return ToleranceChoice(); }

    constexpr bool isNone() const { return !m_colour.has_value(); }
    // Only meaningful when !isNone().
    constexpr std::optional<BandColour> colour() const { return m_colour; }
    // As an option or a list item carries it: the colour's ordinal, or one past the last for no band.
    constexpr int id() const { return m_colour ? OrdinalOf(*m_colour) : kBandColourCount; }
    static std::optional<ToleranceChoice> fromId(int id);

    friend constexpr bool operator==(ToleranceChoice, ToleranceChoice) = default;

private:
    constexpr ToleranceChoice() = default;
    std::optional<BandColour> m_colour;
};

// A tolerance in percent, exactly: 0.05 % is {5, -2}. It is kept with the decimals the band is
// known by, so that violet reads "±0.10%" and green "±0.5%".
struct TolerancePercent {
    int mantissa = 0;
    int exponent = 0;
    friend constexpr bool operator==(const TolerancePercent&, const TolerancePercent&) = default;
};

// Each lookup gives std::nullopt where the colour has no meaning in that position.
std::optional<int> DigitOf(BandColour colour);
// The multiplier's power of ten, from -2 (silver) to 7 (violet).
std::optional<int> MultiplierPowerOf(BandColour colour);
std::optional<TolerancePercent> ToleranceOf(ToleranceChoice choice);
// In parts per million per kelvin.
std::optional<int> TempcoOf(BandColour colour);

// What a colour says on a stripe of each kind, as a tooltip or a screen reader tells it: "7",
// "x100", "x0.1", "±5%", "50 ppm"; nothing where it means nothing there.
enum class StripeKind { Digit, Multiplier, Tolerance, Tempco };
std::optional<std::string> MeaningOn(StripeKind kind, BandColour colour);
// The tolerance's text, "±20%" for no band.
std::optional<std::string> ToleranceTextOf(ToleranceChoice choice);

// Each colour-code panel has its own scheme; the two never influence each other.
enum class BandScheme { FourBand, FiveBand, SixBand };

}  // namespace common
