#include "platform/file_access.h"

#include "common/ascii.h"
#include "common/settings_files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {

namespace {

namespace fs = std::filesystem;

// Closes on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    { }
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    { }
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        reset(std::exchange(other.m_fd, -1));
        return *this;
    }

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    bool close() { return ::close(release()) == 0; }

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

bool sameFile(const struct stat& one, const struct stat& other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Opens for reading the regular file that `found` (an O_PATH descriptor) stands for, and nothing
// else: through the process's own descriptor, so that its name is not looked up again; where /proc
// is missing, by its name, and only if that still names the same file. Opening a device or a FIFO
// can do something by itself (a writer waiting on the FIFO goes on), so nothing else is opened.
Descriptor openFoundForReading(int found, const struct stat& status, int at, const char* name, int nameFlags)
{
    if (!S_ISREG(status.st_mode))
        return Descriptor();
    constexpr int kFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const std::string self = "/proc/self/fd/" + std::to_string(found);
    Descriptor file(::open(self.c_str(), kFlags));
    if (file.get() < 0 && errno == ENOENT)
        file.reset(::openat(at, name, kFlags | nameFlags));
    struct stat opened { };
    if (file.get() >= 0 && (::fstat(file.get(), &opened) != 0 || !sameFile(opened, status)))
        file.reset();
    return file;
}

// ---- Where a save lands

// Links a save follows: made by this user or by root. Anyone else's link may lead wherever they
// like, so it is never followed.
bool trusted(const struct stat& status)
{
    return status.st_uid == ::geteuid() || status.st_uid == 0;
}

// The names a path walks through, in order; "." and empty parts go nowhere.
void prependParts(std::deque<std::string>& parts, std::string_view path)
{
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (!part.empty() && part != ".")
            names.emplace_back(part);
        start = end + 1;
    }
    parts.insert(parts.begin(), names.begin(), names.end());
}

std::optional<std::string> linkTarget(int link)
{
    std::string target(PATH_MAX, '\0');
    const ssize_t size = ::readlinkat(link, "", target.data(), target.size());
    if (size <= 0 || static_cast<std::size_t>(size) >= target.size())
        return std::nullopt;
    target.resize(static_cast<std::size_t>(size));
    return target;
}

// An entry of a directory held open, so that a save looks its path up once.
struct Place {
    Descriptor directory;
    std::string name;
};

Place placeOf(int directory, const std::string& name)
{
    return Place {Descriptor(::fcntl(directory, F_DUPFD_CLOEXEC, 0)), name};
}

enum class MissingDirectories { Fail, Create };

// Walks the path one name at a time, as the kernel would, except for links: one is followed only
// when this user or root made it (see trusted). The file is replaced where its links lead when
// every step there is followed and ends at a regular file; otherwise the path's own entry, a link,
// is replaced itself, so that nothing is ever created beside what a link leads to. A directory on
// the way that no link leads past is created private to the user, but only inside one of this
// user's or root's own: root never makes a folder in another user's. Nothing when the walk cannot
// reach the path's directory, or for an empty path, which names nowhere to write.
std::optional<Place> findPlace(const fs::path& path, MissingDirectories missing)
{
    constexpr int kMaxLinks = 40;
    std::deque<std::string> parts;
    prependParts(parts, path.native());
    Descriptor directory(::open(path.is_absolute() ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    std::optional<Place> named;  // the path's own entry, once the walk reaches it
    int links = 0;
    while (directory.get() >= 0 && !parts.empty()) {
        const std::string name = std::move(parts.front());
        parts.pop_front();
        if (name == "..") {
            directory.reset(::openat(directory.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
            continue;
        }
        const bool last = parts.empty();
        if (last && !named)
            named = placeOf(directory.get(), name);
        Descriptor entry(::openat(directory.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat status { };
        if (entry.get() < 0 || ::fstat(entry.get(), &status) != 0) {
            if (last || named)
                return named;
            struct stat parent { };
            if (errno != ENOENT || missing == MissingDirectories::Fail || ::fstat(directory.get(), &parent) != 0 ||
                !trusted(parent) || (::mkdirat(directory.get(), name.c_str(), 0700) != 0 && errno != EEXIST))
                return std::nullopt;
            parts.push_front(name);  // and open it as any other directory
            continue;
        }
        if (S_ISLNK(status.st_mode)) {
            const std::optional<std::string> target = trusted(status) && ++links <= kMaxLinks
                ? linkTarget(entry.get())
                : std::nullopt;
            if (!target)
                return named;
            prependParts(parts, *target);
            if (target->front() == '/')
                directory.reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            continue;
        }
        if (last)  // anything but a regular file: the path's own entry, this one unless a link led here
            return S_ISREG(status.st_mode) ? placeOf(directory.get(), name) : std::move(named);
        if (!S_ISDIR(status.st_mode))
            return named;
        directory = std::move(entry);
    }
    return named;
}

// ---- What the new file keeps

// The extended attributes that carry who may read the file (its POSIX ACL) or the user's own
// notes on it; others (a security label, file capabilities) are the system's to set.
using Attributes = std::vector<std::pair<std::string, std::string>>;

bool carried(std::string_view attribute)
{
    return attribute == "system.posix_acl_access" || attribute.starts_with("user.");
}

std::optional<Attributes> carriedAttributes(int file)
{
    std::string names(64 * 1024, '\0');
    const ssize_t size = ::flistxattr(file, names.data(), names.size());
    if (size < 0)
        return errno == ENOTSUP ? std::optional(Attributes()) : std::nullopt;
    names.resize(static_cast<std::size_t>(size));
    Attributes attributes;
    for (std::size_t start = 0; start < names.size(); start = names.find('\0', start) + 1) {
        const std::string name = names.c_str() + start;
        if (!carried(name))
            continue;
        std::string value(64 * 1024, '\0');
        const ssize_t length = ::fgetxattr(file, name.c_str(), value.data(), value.size());
        if (length < 0)
            return std::nullopt;
        value.resize(static_cast<std::size_t>(length));
        attributes.emplace_back(name, std::move(value));
    }
    return attributes;
}

// The old file as the new one must be: its owner and group, its permissions without the set-ID
// and sticky bits (a file of settings runs nothing), and its carried attributes.
struct Kept {
    struct stat status { };
    Attributes attributes;
};

// Nothing when what the old file has cannot be read: the new one would then silently have less.
std::optional<Kept> whatToKeep(int directory, const std::string& name, int found, const struct stat& status)
{
    const Descriptor old = openFoundForReading(found, status, directory, name.c_str(), O_NOFOLLOW);
    std::optional<Attributes> attributes = old.get() >= 0 ? carriedAttributes(old.get()) : std::nullopt;
    if (!attributes)
        return std::nullopt;
    return Kept {status, std::move(*attributes)};
}

bool keep(int file, const Kept& kept)
{
    struct stat now { };
    if (::fstat(file, &now) != 0)
        return false;
    // Only root may give a file away; anyone else's file cannot be replaced by one of ours.
    if ((now.st_uid != kept.status.st_uid || now.st_gid != kept.status.st_gid) &&
        ::fchown(file, kept.status.st_uid, kept.status.st_gid) != 0)
        return false;
    // The permissions first: an ACL set after them stands as it was, mask included.
    if (::fchmod(file, kept.status.st_mode & 0777) != 0)
        return false;
    return std::ranges::all_of(kept.attributes, [file](const auto& attribute) {
        return ::fsetxattr(file, attribute.first.c_str(), attribute.second.data(), attribute.second.size(), 0) == 0;
    });
}

// ---- The save

// A name of its own beside the target, created exclusively and never through a link; a new file
// gets the permissions the umask leaves, as any file the program creates.
Descriptor createTemporary(int directory, const std::string& target, std::string& name)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + "." + std::to_string(random() % 1000000000U) + ".tmp";
        Descriptor file(::openat(directory, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.get() >= 0 || errno != EEXIST)
            return file;
    }
    return Descriptor();
}

bool saveWhole(const fs::path& path, std::string_view bytes, const DiskSteps& steps, MissingDirectories missing)
{
    std::optional<Place> place = findPlace(path, missing);
    if (!place)
        return false;
    // A descriptor that can be flushed where the directory may be read; else the one the walk has.
    Descriptor directory(::openat(place->directory.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0)
        directory = std::move(place->directory);
    const std::string& target = place->name;

    const Descriptor found(::openat(directory.get(), target.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat old { };
    if (found.get() < 0 ? errno != ENOENT : ::fstat(found.get(), &old) != 0)
        return false;
    const bool replacing = found.get() >= 0 && S_ISREG(old.st_mode);
    // Only a file or a link is replaced: never a directory, a device, a FIFO or a socket.
    if (found.get() >= 0 && !replacing && !S_ISLNK(old.st_mode))
        return false;
    // A file without any write permission stays as it is even for root, as a read-only file
    // does elsewhere; otherwise this user's own access decides, as opening it for writing would.
    if (replacing &&
        ((old.st_mode & 0222) == 0 || ::faccessat(directory.get(), target.c_str(), W_OK, AT_EACCESS) != 0))
        return false;
    std::optional<Kept> kept;
    if (replacing && !(kept = whatToKeep(directory.get(), target, found.get(), old)))
        return false;

    std::string name;
    Descriptor out = createTemporary(directory.get(), target, name);
    if (out.get() < 0)
        return false;
    const bool written = writeAll(out.get(), bytes) && (!kept || keep(out.get(), *kept)) && steps.flushFile(out.get());
    if (!out.close() || !written || !steps.rename(directory.get(), name, target)) {
        ::unlinkat(directory.get(), name.c_str(), 0);
        return false;
    }
    steps.flushDirectory(directory.get());
    return true;
}

// The name a save of `target` gives its temporary file: target.<digits>.tmp.
bool temporaryOf(std::string_view entry, std::string_view target)
{
    constexpr std::string_view kSuffix = ".tmp";
    if (!entry.starts_with(target) || !entry.ends_with(kSuffix) || entry.size() <= target.size() + 1 + kSuffix.size() ||
        entry[target.size()] != '.')
        return false;
    const std::string_view digits = entry.substr(target.size() + 1, entry.size() - target.size() - 1 - kSuffix.size());
    return std::ranges::all_of(digits, common::IsAsciiDigit);
}

}  // namespace

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path)
{
    const Descriptor found(::open(path.c_str(), O_PATH | O_CLOEXEC));
    struct stat status { };
    if (found.get() < 0 || ::fstat(found.get(), &status) != 0)
        return std::nullopt;
    const Descriptor in = openFoundForReading(found.get(), status, AT_FDCWD, path.c_str(), 0);
    if (in.get() < 0)
        return std::nullopt;
    // Room for what the file holds and one byte more, so that its end shows in the first read;
    // a file that grew since gets more, up to the cap. A buffer of the cap's size would be filled
    // with zeros (a megabyte of pages touched) for a file of a few hundred bytes.
    const auto held = static_cast<std::size_t>(std::max<off_t>(status.st_size, 0));
    std::string bytes(std::min(held + 1, kMaxFileBytes), '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size == kMaxFileBytes)
                break;
            bytes.resize(std::min(size * 2, kMaxFileBytes));
        }
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
        [](int file) { return ::fsync(file) == 0; },
        [](int directory, const std::string& from, const std::string& to) {
            return ::renameat(directory, from.c_str(), directory, to.c_str()) == 0;
        },
        // Some file systems cannot flush a directory; the file is in place by then either way.
        [](int directory) { ::fsync(directory); },
    };
    return steps;
}

bool WriteFileWhole(const std::filesystem::path& path, std::string_view bytes, const DiskSteps& steps)
{
    return saveWhole(path, bytes, steps, MissingDirectories::Fail);
}

bool DirectoryWritable(const std::filesystem::path& directory)
{
    struct stat status { };
    return ::stat(directory.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && (status.st_mode & 0222) != 0 &&
        ::faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool SaveProgramFile(const common::FilePlaces& places, std::string_view name, std::string_view bytes)
{
    // The user's directory, as the XDG base directories ask of any that do not exist yet, is
    // made private to the user.
    return saveWhole(places.writable(name), bytes, SystemDiskSteps(),
        places.userDirectory() ? MissingDirectories::Create : MissingDirectories::Fail);
}

void ClearLeftoverSaves(const common::FilePlaces& places)
{
    // Old enough that no save still running, in this instance or another, can own it.
    constexpr std::chrono::minutes kAbandoned(5);
    const auto now = std::chrono::system_clock::now();
    for (const std::string_view file : {common::kColoursFileName, common::kSettingsFileName, common::kLanguageFileName}) {
        const std::optional<Place> place = findPlace(places.writable(file), MissingDirectories::Fail);
        if (!place)
            continue;
        DIR* listing = ::fdopendir(::openat(place->directory.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (listing == nullptr)
            continue;
        while (const dirent* entry = ::readdir(listing)) {
            struct stat status { };
            if (temporaryOf(entry->d_name, place->name) &&
                ::fstatat(::dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
                std::chrono::system_clock::from_time_t(status.st_mtime) < now - kAbandoned)
                ::unlinkat(::dirfd(listing), entry->d_name, 0);
        }
        ::closedir(listing);
    }
}

void KeepRunningPastFileSizeLimit()
{
    ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace platform
