#include "platform/program_directory.h"

#include "platform/file_access.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdlib>

#ifdef __linux__
#include <dlfcn.h>
#include <sys/auxv.h>
#endif

#if __has_include(<pwd.h>)
#include <pwd.h>
#include <unistd.h>
#endif

namespace platform {

std::optional<std::filesystem::path> ProgramDirectory()
{
#ifdef __linux__
    // Started through the dynamic loader (ld.so ./Bandwise, as valgrind and similar tools do), the
    // kernel loaded no interpreter for the program, and /proc/self/exe names the loader. The
    // loader's own name for the image holding this code (the platform library is linked into each
    // executable) is then the one to go by, resolved before anything changes the working
    // directory; no other source would name more than the loader.
    Dl_info image {};
    if (::getauxval(AT_BASE) == 0 && ::dladdr(reinterpret_cast<void*>(&ProgramDirectory), &image) != 0 &&
        image.dli_fname != nullptr) {
        char* resolved = ::realpath(image.dli_fname, nullptr);
        if (resolved == nullptr)
            return std::nullopt;
        const std::filesystem::path executable(resolved);
        std::free(resolved);
        return executable.parent_path();
    }
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
    const auto absolute = [](const char* path) { return path != nullptr && std::filesystem::path(path).is_absolute(); };
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); absolute(xdg))
        return common::FilePlaces(programDirectory, std::filesystem::path(xdg) / "bandwise");
    const char* home = std::getenv("HOME");
#if __has_include(<pwd.h>)
    // Without $HOME (cron, a service, env -i) the home directory is the password database's.
    if (!absolute(home)) {
        const passwd* entry = ::getpwuid(::geteuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
#endif
    if (absolute(home))
        return common::FilePlaces(programDirectory, std::filesystem::path(home) / ".config" / "bandwise");
    return common::FilePlaces::ReadOnly(programDirectory);
}

}  // namespace platform
