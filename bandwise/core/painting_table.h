#pragma once

#include "common/band_colour.h"

#include <optional>
#include <string_view>
#include <vector>

namespace bandwise {

// One step of painting the window with a palette at start-up: the control (a swatch, a part of a
// sample resistor's body or a seam line) and the palette entry it takes.
struct PaintStep {
    std::string_view control;
    std::optional<common::BandColour> colour;  // nullopt: the body colour
};

// The swatches of the decoding panel in the order of their groups and options (the None swatch
// keeps the button face), then the bodies and seams of the decoding and encoding resistors.
const std::vector<PaintStep>& PaintingTable();

}  // namespace bandwise
