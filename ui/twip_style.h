#pragma once

class QApplication;

namespace ui {

// Fusion adjusted to layouts given in twips, with Liberation Sans (Arial's metrics) at the given
// size as the application font.
void applyTwipLayoutLook(QApplication& app, double pointSize);

}  // namespace ui
