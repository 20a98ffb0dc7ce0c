#pragma once

namespace bandwise {

struct TwipsPosition {
    int left;
    int top;
};

// Centred on the screen and lifted by `lift` above its vertical centre, all in twips; the
// top-left corner is kept on the screen so that the title bar stays within reach.
TwipsPosition CentreWindow(int screenWidth, int screenHeight, int outerWidth, int outerHeight, int lift);

// The main window stands this far above the centre; the About box stands at the centre.
inline constexpr int kMainWindowLiftTwips = 220;

}  // namespace bandwise
