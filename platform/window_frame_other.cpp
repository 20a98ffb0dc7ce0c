#include "platform/window_frame.h"

namespace platform {

std::optional<QMargins> AnnouncedFrame(QWidget*)
{
    return std::nullopt;
}

}  // namespace platform
