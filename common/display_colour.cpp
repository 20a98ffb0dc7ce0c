#include "common/display_colour.h"

namespace common {

BandPalette DefaultPalette()
{
    return BandPalette {
        {{
            {0x00000000},  // Black
            {0x000040C0},  // Brown
            {0x000000FF},  // Red
            {0x000080FF},  // Orange
            {0x0000FFFF},  // Yellow
            {0x0000FF00},  // Green
            {0x00FF0000},  // Blue
            {0x00C000C0},  // Violet
            {0x00C0C0C0},  // Grey
            {0x00FFFFFF},  // White
            {0x0000C0C0},  // Gold
            {0x00E0E0E0},  // Silver
        }},
        {0x0095E6FF},
    };
}

}  // namespace common
