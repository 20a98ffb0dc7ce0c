#pragma once

#include "common/display_colour.h"

#include <QColor>

namespace ui {

// The stored colours' byte order is common's business; these only move the channels across.
inline QColor toQColor(common::DisplayColour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

inline common::DisplayColour toDisplayColour(const QColor& colour)
{
    return common::DisplayColour::fromRgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace ui
