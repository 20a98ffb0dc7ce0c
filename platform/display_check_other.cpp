#include "platform/display_check.h"

namespace platform {

std::optional<std::string> MissingDisplayReason()
{
    return std::nullopt;
}

}  // namespace platform
