#include "platform/file_access.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Closes on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A name of its own beside the target, created exclusively and never through a link; a new file
// gets the permissions the umask leaves, as any file the program creates.
int createTemporary(const std::filesystem::path& path, std::string& name)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path.string() + "." + std::to_string(random() % 1000000000U) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path)
{
    // Non-blocking, so that opening a FIFO planted in place of a file returns at once.
    const Descriptor in(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status { };
    if (in.get() < 0 || ::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::string bytes(kMaxFileBytes, '\0');
    std::size_t size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(in.get(), bytes.data() + size, bytes.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    bytes.resize(size);
    return bytes;
}

const DiskSteps& SystemDiskSteps()
{
    static const DiskSteps steps {
        [](int descriptor) { return ::fsync(descriptor) == 0; },
        [](const std::filesystem::path& from, const std::filesystem::path& to) {
            return ::rename(from.c_str(), to.c_str()) == 0;
        },
        // Some file systems cannot flush a directory; the file is in place by then either way.
        [](const std::filesystem::path& directory) {
            const Descriptor handle(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (handle.get() >= 0)
                ::fsync(handle.get());
        },
    };
    return steps;
}

bool WriteFileWhole(const std::filesystem::path& path, std::string_view bytes, const DiskSteps& steps)
{
    // Through a link of this user's own to a file, as editors save: the link stays and the file it
    // leads to is replaced. Any other link is replaced itself: one to a device or to nowhere, so
    // that nothing is ever created beside what it leads to, and one that someone else planted in
    // a shared directory, so that starting the program cannot overwrite the file it points at.
    std::error_code error;
    std::filesystem::path target = path;
    struct stat link { };
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && link.st_uid == ::geteuid() &&
        std::filesystem::is_regular_file(path, error)) {
        const std::filesystem::path resolved = std::filesystem::canonical(path, error);
        if (!error)
            target = resolved;
    }

    struct stat old { };
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A file without any write permission stays as it is even for root, as a read-only file
    // does elsewhere; otherwise this user's own access decides, as opening it for writing would.
    if (replacing && ((old.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return false;

    std::string name;
    Descriptor out(createTemporary(target, name));
    if (out.get() < 0)
        return false;
    const bool written = writeAll(out.get(), bytes) && (!replacing || ::fchmod(out.get(), old.st_mode & 07777) == 0) &&
        steps.flushFile(out.get());
    if (!out.close() || !written || !steps.rename(name, target)) {
        ::unlink(name.c_str());
        return false;
    }
    steps.flushDirectory(target.has_parent_path() ? target.parent_path() : std::filesystem::path("."));
    return true;
}

bool DirectoryWritable(const std::filesystem::path& directory)
{
    struct stat status { };
    return ::stat(directory.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && (status.st_mode & 0222) != 0 &&
        ::faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool SaveProgramFile(const common::FilePlaces& places, std::string_view name, std::string_view bytes)
{
    // Directories the user's files need are made private to the user, as the XDG base directories
    // ask of any that do not exist yet.
    if (places.userDirectory()) {
        std::filesystem::path directory;
        for (const std::filesystem::path& part : *places.userDirectory()) {
            directory /= part;
            struct stat status { };
            if (::mkdir(directory.c_str(), 0700) != 0 &&
                (::stat(directory.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)))
                return false;
        }
    }
    return WriteFileWhole(places.writable(name), bytes);
}

void ClearLeftoverSaves(const common::FilePlaces&) { }

void KeepRunningPastFileSizeLimit()
{
    ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace platform
