#pragma once

#include <filesystem>

namespace platform {

// The directory of the running executable; the programs keep all their files there and never
// look at the current directory. Needs a QCoreApplication.
std::filesystem::path ProgramDirectory();

}  // namespace platform
