#pragma once

#include <optional>
#include <string>

namespace platform {

// Why no window could be shown, or nothing when a display is there. Checked before Qt starts,
// because Qt aborts the process when it cannot reach one.
std::optional<std::string> MissingDisplayReason();

}  // namespace platform
