#pragma once

#include <QRect>
#include <QWidget>

#include <cmath>

namespace ui {

// Layouts are given in twips; at 96 dots per inch a pixel is 15 twips, and Qt's high-DPI
// scaling takes care of other densities.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Rounding both edges (rather than the width) keeps neighbouring controls flush.
inline QRect twipsRect(int left, int top, int width, int height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

inline void placeInTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

}  // namespace ui
