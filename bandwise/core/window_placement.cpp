#include "bandwise/core/window_placement.h"

#include <algorithm>

namespace bandwise {

TwipsPosition CentreWindow(int screenWidth, int screenHeight, int outerWidth, int outerHeight, int lift)
{
    // Truncated towards zero: a window larger than the screen gets a negative offset, which the
    // clamp below turns into the screen's edge.
    const int left = (screenWidth - outerWidth) / 2;
    const int top = (screenHeight - outerHeight) / 2 - lift;
    return {std::max(left, 0), std::max(top, 0)};
}

}  // namespace bandwise
