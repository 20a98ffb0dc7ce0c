#pragma once

#include "common/band_colour.h"

#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// What each band colour means in each position, written from the resistor colour code itself
// and not from the program's tables: the one reference every colour-code test derives from.
struct BandMeaning {
    common::BandColour colour;
    std::string name;
    std::optional<int> digit;
    std::optional<int> exponent;  // of the multiplier, Black to Violet
    std::optional<double> factor;  // of the multiplier, Gold and Silver
    std::optional<std::string> tolerance;
    std::optional<std::string> tempco;
};

inline const std::vector<BandMeaning>& BandMeanings()
{
    using common::BandColour;
    static const std::vector<BandMeaning> rows = {
        {BandColour::Black, "Black", 0, 0, {}, {}, {}},
        {BandColour::Brown, "Brown", 1, 1, {}, "±1%", "100 ppm"},
        {BandColour::Red, "Red", 2, 2, {}, "±2%", "50 ppm"},
        {BandColour::Orange, "Orange", 3, 3, {}, {}, "15 ppm"},
        {BandColour::Yellow, "Yellow", 4, 4, {}, {}, "25 ppm"},
        {BandColour::Green, "Green", 5, 5, {}, "±0.5%", {}},
        {BandColour::Blue, "Blue", 6, 6, {}, "±0.25%", {}},
        {BandColour::Violet, "Violet", 7, 7, {}, "±0.10%", {}},
        {BandColour::Grey, "Grey", 8, {}, {}, "±0.05%", {}},
        {BandColour::White, "White", 9, {}, {}, {}, {}},
        {BandColour::Gold, "Gold", {}, {}, 0.1, "±5%", {}},
        {BandColour::Silver, "Silver", {}, {}, 0.01, "±10%", {}},
    };
    return rows;
}

// Without a tolerance band.
inline const std::string kNoBandTolerance = "±20%";

// What a stripe of each kind says of its colour: its digit, "x" and the factor written out, its
// tolerance or its temperature coefficient.
inline std::optional<std::string> SaidOnStripe(common::StripeKind kind, const BandMeaning& m)
{
    switch (kind) {
    case common::StripeKind::Digit:
        return m.digit ? std::optional(std::to_string(*m.digit)) : std::nullopt;
    case common::StripeKind::Multiplier:
        if (m.exponent)
            return "x1" + std::string(*m.exponent, '0');
        return m.factor ? std::optional(std::string(*m.factor == 0.1 ? "x0.1" : "x0.01")) : std::nullopt;
    case common::StripeKind::Tolerance:
        return m.tolerance;
    case common::StripeKind::Tempco:
        return m.tempco;
    }
    return std::nullopt;
}

}  // namespace testsupport
