#pragma once

class QApplication;
class QWidget;

namespace ui {

// Fusion adjusted to layouts given in twips, with Liberation Sans (Arial's metrics) at the given
// size as the application font.
void applyTwipLayoutLook(QApplication& app, double pointSize);

// Gives a window the font that applyTwipLayoutLook chose as a font of its own. A desktop theme
// may set the application's fonts again once the program runs, for every widget or per class of
// widget, and such a font would clip the captions; a window's own font wins over both. Call it
// first in the window's constructor.
void useTwipLayoutFont(QWidget* window);

}  // namespace ui
