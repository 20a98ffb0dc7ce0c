#pragma once

#include "common/band_colour.h"

#include <array>
#include <cstdint>

namespace common {

// 24-bit colour as 0x00BBGGRR (red in the low byte), the form the colour files store in decimal.
struct DisplayColour {
    std::int32_t value = 0;

    static constexpr DisplayColour fromRgb(int red, int green, int blue)
    {
        return {static_cast<std::int32_t>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF))};
    }
    constexpr int red() const { return value & 0xFF; }
    constexpr int green() const { return (value >> 8) & 0xFF; }
    constexpr int blue() const { return (value >> 16) & 0xFF; }

    friend constexpr bool operator==(DisplayColour, DisplayColour) = default;
};

struct BandPalette {
    std::array<DisplayColour, kBandColourCount> bands {};
    DisplayColour body {};

    constexpr DisplayColour operator[](BandColour colour) const { return bands[OrdinalOf(colour)]; }
    friend constexpr bool operator==(const BandPalette&, const BandPalette&) = default;
};

BandPalette DefaultPalette();

}  // namespace common
