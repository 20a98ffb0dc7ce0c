#include "platform/program_directory.h"

#include "platform/file_access.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdlib>

namespace platform {

std::optional<std::filesystem::path> ProgramDirectory()
{
#ifdef __linux__
    // The kernel's own link keeps the name's bytes: a directory whose name is not UTF-8 (an
    // archive unpacked with Latin-1 names) would not survive a round trip through QString.
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && executable.is_absolute())
        return executable.parent_path();
#endif
    const QString directory = QCoreApplication::applicationDirPath();
    if (directory.isEmpty())
        return std::nullopt;
    return std::filesystem::path(QFile::encodeName(directory).toStdString());
}

common::FilePlaces ChooseFilePlaces(const std::filesystem::path& programDirectory)
{
#ifdef BANDWISE_SYSTEM_INSTALL
    // The package manager owns the program directory: root, who may write there, keeps its
    // files in its own home too.
    constexpr bool kPackagedProgramDirectory = true;
#else
    constexpr bool kPackagedProgramDirectory = false;
#endif
    if (!kPackagedProgramDirectory && DirectoryWritable(programDirectory))
        return common::FilePlaces(programDirectory);
    // As the XDG base directories say: a relative $XDG_CONFIG_HOME is ignored.
    std::filesystem::path configHome;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute())
        configHome = xdg;
    else if (home != nullptr && std::filesystem::path(home).is_absolute())
        configHome = std::filesystem::path(home) / ".config";
    else
        return common::FilePlaces(programDirectory);
    return common::FilePlaces(programDirectory, configHome / "bandwise");
}

}  // namespace platform
