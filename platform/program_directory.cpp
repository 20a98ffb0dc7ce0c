#include "platform/program_directory.h"

#include <QCoreApplication>
#include <QFile>

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

}  // namespace platform
