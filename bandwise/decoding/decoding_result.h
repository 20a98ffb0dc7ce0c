#pragma once

#include "common/band_colour.h"

#include <optional>
#include <string>
#include <string_view>

namespace bandwise {

// What the user has picked in the decoding panel. A field moves from unset to a colour and then
// only to other colours; nothing ever clears it.
struct DecodingSelection {
    std::optional<common::BandColour> firstBand;
    std::optional<common::BandColour> secondBand;
    std::optional<common::BandColour> thirdBand;
    std::optional<common::BandColour> multiplier;
    std::optional<common::ToleranceChoice> tolerance;
    std::optional<common::BandColour> tempco;
};

enum class ResultForm { Normal, Exponent, InUnits };

// One tick's writes; an empty member means "leave that control as it is".
struct DecodingOutput {
    std::optional<std::string> resistorValue;
    std::optional<std::string> unitCaption;
    std::optional<std::string> tempcoValue;
};

DecodingOutput ComputeDecodingResult(
    const DecodingSelection& selection, common::BandScheme scheme, ResultForm form, std::string_view decimalSeparator);

}  // namespace bandwise
