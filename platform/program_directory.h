#pragma once

#include "common/file_places.h"

#include <filesystem>
#include <optional>

namespace platform {

// The directory of the running executable, byte for byte as the file system names it; the
// programs keep all their files there and never look at the current directory. Nothing when it
// cannot be found: the programs then say so and stop. Needs a QCoreApplication.
std::optional<std::filesystem::path> ProgramDirectory();

// Where the programs' files are for this user: all in the program directory when this user may
// write there (never in a build for a package manager), else the per-user layout with
// $XDG_CONFIG_HOME/bandwise (by default ~/.config/bandwise, the home directory being the password
// database's when $HOME is not set). Without any home directory, files are read from the program
// directory and every save fails.
common::FilePlaces ChooseFilePlaces(const std::filesystem::path& programDirectory);

}  // namespace platform
