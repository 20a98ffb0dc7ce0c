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
std::optional<BandColour> BandColourFromName(std::string_view name);

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

    friend constexpr bool operator==(ToleranceChoice, ToleranceChoice) = default;

private:
    constexpr ToleranceChoice() = default;
    std::optional<BandColour> m_colour;
};

// A multiplier is either a power of ten or, for Gold and Silver, a factor held directly as a
// double; the result text depends on which form it is, so the two are kept apart.
struct Multiplier {
    enum class Form { Exponent, Factor };
    Form form = Form::Exponent;
    int exponent = 0;  // Form::Exponent
    double factor = 0;  // Form::Factor

    static constexpr Multiplier fromExponent(int e) { return {Form::Exponent, e, 0.0}; }
    static constexpr Multiplier fromFactor(double f) { return {Form::Factor, 0, f}; }
    friend constexpr bool operator==(const Multiplier&, const Multiplier&) = default;
};

// Each lookup gives std::nullopt where the colour has no meaning in that position.
std::optional<int> DigitOf(BandColour colour);
std::optional<Multiplier> MultiplierOf(BandColour colour);
std::optional<std::string_view> ToleranceTextOf(ToleranceChoice choice);
std::optional<std::string_view> TempcoTextOf(BandColour colour);

// What a colour says on a stripe of each kind, as a tooltip or a screen reader tells it: "7",
// "x100", "x0.1", "±5%", "50 ppm"; nothing where it means nothing there.
enum class StripeKind { Digit, Multiplier, Tolerance, Tempco };
std::optional<std::string> MeaningOn(StripeKind kind, BandColour colour);

}  // namespace common

namespace common {

// Each colour-code panel has its own scheme; the two never influence each other.
enum class BandScheme { FourBand, FiveBand, SixBand };

}  // namespace common
