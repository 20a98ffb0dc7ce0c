#pragma once

#include <QIcon>

namespace ui {

// A banded resistor, drawn rather than loaded so that the program needs no image files.
QIcon programIcon();

}  // namespace ui
