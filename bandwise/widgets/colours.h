#pragma once

#include "common/display_colour.h"

#include <QColor>

namespace bandwise {

inline QColor toQColor(common::DisplayColour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

}  // namespace bandwise
