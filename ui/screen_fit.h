#pragma once

class QRect;
class QWidget;

namespace ui {

// Decorations a desktop typically adds around a window's client area (borders and title bar), in
// twips: windows are placed before the desktop has framed them.
inline constexpr int kFrameWidthTwips = 120;
inline constexpr int kFrameHeightTwips = 510;

// A fixed-size window that, with its frame, is larger than `area` (the screen less the desktop's
// panels) takes what the area leaves, its contents scroll so that every control can be reached,
// and it stands at the area's top-left corner; true then. A window that fits is left exactly as
// it is. Call it once the window's controls are built. A window laid out by a layout is measured
// by what the layout asks for.
bool scrollWhenLargerThan(QWidget* window, const QRect& area);

// Whether a widget is only the background that scrolling put behind a window's controls, so
// that what the window does on its own background still happens there.
bool isScrollBackground(const QWidget* widget);

}  // namespace ui
