#pragma once

#include "common/band_colour.h"

#include <array>
#include <string_view>
#include <vector>

namespace bandwise {

enum class BandPosition { First, Second, Third, Multiplier, Tolerance, Tempco };

// Button-group id of the tolerance option "None"; every other option's id is its colour's ordinal.
inline constexpr int kNoToleranceBandId = common::kBandColourCount;

struct ColourOption {
    std::string_view name;  // object name of the option button
    int id;  // colour ordinal, or kNoToleranceBandId
    std::string_view swatch;  // object name of the swatch beside it
};

struct ColourGroup {
    BandPosition position;
    std::string_view name;  // object name of the group box
    std::string_view caption;  // built-in English caption
    std::vector<ColourOption> options;  // top to bottom
};

// The six colour groups of the decoding panel, left to right, in BandPosition order.
const std::array<ColourGroup, 6>& DecodingColourGroups();

}  // namespace bandwise
