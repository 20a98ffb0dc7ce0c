#include "bandwise/core/painting_table.h"

#include "bandwise/decoding/colour_options.h"

namespace bandwise {

const std::vector<PaintStep>& PaintingTable()
{
    static const std::vector<PaintStep> table = [] {
        std::vector<PaintStep> steps;
        for (const ColourGroup& group : DecodingColourGroups()) {
            for (const ColourOption& option : group.options) {
                if (const auto colour = common::BandColourFromOrdinal(option.id))
                    steps.push_back({option.swatch, colour});
            }
        }
        for (std::string_view body : {"Shape25", "Shape26", "Shape14", "Line1", "Line2",  // decoding resistor
                 "Shape61", "Shape60", "Shape62", "Line4", "Line3"}) {  // encoding resistor
            steps.push_back({body, std::nullopt});
        }
        return steps;
    }();
    return table;
}

}  // namespace bandwise
