#pragma once

#include "common/band_colour.h"
#include "common/values/typed_value.h"

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

    friend bool operator==(const DecodingSelection&, const DecodingSelection&) = default;
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

// A tolerance band's percent as an exact decimal; nothing for a colour that is no tolerance.
std::optional<values::Decimal> ExactTolerance(common::ToleranceChoice choice);

// The resistance and tolerance the bands read, exactly, for what can be told about the value;
// nothing while the digit bands of the scheme are incomplete.
std::optional<values::TypedValue> ExactReading(const DecodingSelection& selection, common::BandScheme scheme);

// The same stripes read from the other end, in the same scheme: a resistor soldered the wrong way
// round, as happens in kits, is read this way. Nothing unless every stripe of the scheme is chosen,
// each means something in its new place, the new first digit is not black, and the reading differs.
// A four- or five-band resistor without a tolerance band has no gap at either end, so its mirror
// has none either.
std::optional<DecodingSelection> FromTheOtherEnd(const DecodingSelection& selection, common::BandScheme scheme);

}  // namespace bandwise
