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
                    steps.push_back({option.swatch, *colour});
            }
        }
        return steps;
    }();
    return table;
}

}  // namespace bandwise
