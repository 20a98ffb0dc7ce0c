#pragma once

#include "common/band_colour.h"

#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// Expected result texts for every multiplier in every result form, written out by hand for two
// digit sets: four-band Yellow, Violet (47) and five-band White, White, White (999).
struct MultiplierCase {
    const char* name;
    std::optional<common::BandColour> multiplier;
    std::string normal;
    std::string exponent;
    std::string inUnits;
    std::string unit;  // unit_label caption in the In Units form
};

struct DigitCase {
    const char* name;
    common::BandScheme scheme;
    std::vector<common::BandColour> digits;
    std::vector<MultiplierCase> multipliers;
};

inline const std::vector<DigitCase>& decodingCases()
{
    using common::BandColour;
    using common::BandScheme;
    static const std::vector<DigitCase> cases = {
        {"fourBand47", BandScheme::FourBand, {BandColour::Yellow, BandColour::Violet},
            {
                {"unset", std::nullopt, "47", "47", "47", "Ω"},
                {"black", BandColour::Black, "47", "47", "47", "Ω"},
                {"brown", BandColour::Brown, "470", "47E1", "470", "Ω"},
                {"red", BandColour::Red, "4700", "47E2", "4700", "Ω"},
                {"orange", BandColour::Orange, "47000", "47E3", "47", "KΩ"},
                {"yellow", BandColour::Yellow, "470000", "47E4", "470", "KΩ"},
                {"green", BandColour::Green, "4700000", "47E5", "4700", "KΩ"},
                {"blue", BandColour::Blue, "47000000", "47E6", "47", "MΩ"},
                {"violet", BandColour::Violet, "470000000", "47E7", "470", "MΩ"},
                {"gold", BandColour::Gold, "4.7", "4.7", "4.7", "Ω"},
                {"silver", BandColour::Silver, "0.47", "0.47", "0.47", "Ω"},
            }},
        {"fiveBand999", BandScheme::FiveBand, {BandColour::White, BandColour::White, BandColour::White},
            {
                {"unset", std::nullopt, "999", "999", "999", "Ω"},
                {"black", BandColour::Black, "999", "999", "999", "Ω"},
                {"brown", BandColour::Brown, "9990", "999E1", "9990", "Ω"},
                {"red", BandColour::Red, "99900", "999E2", "99900", "Ω"},
                {"orange", BandColour::Orange, "999000", "999E3", "999", "KΩ"},
                {"yellow", BandColour::Yellow, "9990000", "999E4", "9990", "KΩ"},
                {"green", BandColour::Green, "99900000", "999E5", "99900", "KΩ"},
                {"blue", BandColour::Blue, "999000000", "999E6", "999", "MΩ"},
                {"violet", BandColour::Violet, "9990000000", "999E7", "9990", "MΩ"},
                {"gold", BandColour::Gold, "99.9", "99.9", "99.9", "Ω"},
                {"silver", BandColour::Silver, "9.99", "9.99", "9.99", "Ω"},
            }},
    };
    return cases;
}

struct ToleranceCase {
    const char* name;
    std::optional<common::ToleranceChoice> tolerance;
    std::string suffix;
};

inline const std::vector<ToleranceCase>& toleranceCases()
{
    static const std::vector<ToleranceCase> cases = {
        {"unset", std::nullopt, ""},
        {"gold", common::ToleranceChoice(common::BandColour::Gold), "±5%"},
        {"violet", common::ToleranceChoice(common::BandColour::Violet), "±0.10%"},
        {"none", common::ToleranceChoice::None(), "±20%"},
    };
    return cases;
}

}  // namespace testsupport
