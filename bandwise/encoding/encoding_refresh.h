#pragma once

#include "bandwise/decoding/decoding_result.h"
#include "common/band_colour.h"
#include "common/display_colour.h"
#include "common/values/typed_value.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bandwise {

// The six lists of the encoding panel, and the band each one describes, in this order.
enum EncodingRow { FirstDigitRow, SecondDigitRow, ThirdDigitRow, MultiplierRow, ToleranceRow, TempcoRow };
inline constexpr int kEncodingRowCount = 6;

struct EncodingInputs {
    const DecodingSelection& chosen;  // what the lists' items stand for; unset while a list has no selection
    common::BandScheme scheme;
    const std::array<std::string, common::kBandColourCount>& colourNames;
    const std::string& noneName;
    const common::BandPalette& palette;
    std::string_view decimalSeparator;
    // Upper-cases a colour word for display; locale-aware in the window.
    const std::function<std::string(std::string_view)>& toUpper;
};

// One refresh's writes; an empty member leaves its control as it is.
struct EncodingOutput {
    std::array<std::optional<std::string>, kEncodingRowCount> boxTexts;  // b1v, b2v, b3v, mul_v, tol_v, tempco_v
    // Swatches of the sample resistor in stripe order: first, second, third, multiplier,
    // tolerance, tempco. In a four-band resistor the multiplier lands on the third swatch.
    std::array<std::optional<common::DisplayColour>, kEncodingRowCount> swatchColours;
    // What each of those swatches shows, "Violet: 7", in the language's colour words.
    std::array<std::optional<std::string>, kEncodingRowCount> swatchDescriptions;
    // The colour word of each row's choice as the language writes it, before upper-casing.
    std::array<std::optional<std::string>, kEncodingRowCount> colourNames;
    std::optional<std::string> resValue;
};

EncodingOutput ComputeEncodingRefresh(const EncodingInputs& inputs);

// The resistance and tolerance the lists give, exactly; nothing until each digit list of the scheme
// and the multiplier list have a choice.
std::optional<values::TypedValue> ExactListReading(const DecodingSelection& chosen, common::BandScheme scheme);

// The items of each list, in order: the text shown and the id of what it stands for, a colour's
// ordinal or, in the tolerance list, a ToleranceChoice id. Never translated.
struct ListItem {
    std::string text;
    int id;
};
std::vector<ListItem> ListItems(EncodingRow row);
// The colours of the lists' chosen items, from their ids (nothing for a list without a choice), held
// as the decoder holds its choices; and back.
DecodingSelection ListColours(const std::array<std::optional<int>, kEncodingRowCount>& ids);
std::array<std::optional<int>, kEncodingRowCount> ListIds(const DecodingSelection& chosen);

// The list items that give a typed value, for "Set value…": each digit list, the multiplier list
// and, when a tolerance was typed, the tolerance list. The digits and the multiplier need a value
// of at most as many significant digits as the scheme has, no smaller than its digits times 0.01
// and no larger than its digits times 10^7.
struct ListEntry {
    enum class Problem { None, NeedsMoreDigits, TooSmall, TooLarge, NoSuchTolerance };
    Problem problem = Problem::None;
    DecodingSelection choices;  // unset: leave that list
};
ListEntry ListsForValue(const values::TypedValue& value, common::BandScheme scheme);
// The largest value the lists of a scheme give: all digits 9, times 10^7.
values::Decimal LargestListValue(common::BandScheme scheme);

}  // namespace bandwise
