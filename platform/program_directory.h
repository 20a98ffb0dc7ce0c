#pragma once

#include <filesystem>
#include <optional>

namespace platform {

// The directory of the running executable, byte for byte as the file system names it; the
// programs keep all their files there and never look at the current directory. Nothing when it
// cannot be found: the programs then say so and stop. Needs a QCoreApplication.
std::optional<std::filesystem::path> ProgramDirectory();

}  // namespace platform
