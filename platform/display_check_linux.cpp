#include "platform/display_check.h"

#include <cstdlib>

namespace platform {

namespace {

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<std::string> MissingDisplayReason()
{
    // An explicitly chosen platform plugin (offscreen, vnc, ...) needs no X or Wayland server.
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return std::nullopt;
    return "no graphical display found: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

}  // namespace platform
