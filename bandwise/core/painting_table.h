#pragma once

#include "common/band_colour.h"

#include <string_view>
#include <vector>

namespace bandwise {

// One step of painting the window with a palette at start-up: a swatch and the band colour it takes.
struct PaintStep {
    std::string_view control;
    common::BandColour colour;
};

// The swatches of the decoding panel in the order of their groups and options (the None swatch
// keeps the button face). The sample resistors' bodies follow, painted by each resistor itself.
const std::vector<PaintStep>& PaintingTable();

}  // namespace bandwise
