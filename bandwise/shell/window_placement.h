#pragma once

namespace bandwise {

struct TwipsPosition {
    int left;
    int top;
};

// Centred across the screen and 220 twips above its vertical centre, all in twips; the
// top-left corner is kept on the screen so that the title bar stays within reach.
TwipsPosition PlaceMainWindow(int screenWidth, int screenHeight, int outerWidth, int outerHeight);

}  // namespace bandwise
