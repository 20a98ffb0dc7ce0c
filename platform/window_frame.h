#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace platform {

// The frame (borders and title bar) that the desktop will put around a window not yet shown, in
// the window's logical pixels, where the window manager says so in advance; nothing where it does
// not (no X11 window manager, or one that does not answer within a moment).
std::optional<QMargins> AnnouncedFrame(QWidget* window);

}  // namespace platform
