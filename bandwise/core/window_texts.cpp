#include "bandwise/core/window_texts.h"

namespace bandwise {

std::array<std::string, common::kBandColourCount> WindowTexts::BuiltInColourNames()
{
    std::array<std::string, common::kBandColourCount> names;
    for (common::BandColour colour : common::kAllBandColours)
        names[common::OrdinalOf(colour)] = std::string(common::CanonicalNameOf(colour));
    return names;
}

}  // namespace bandwise
