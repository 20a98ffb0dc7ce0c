#include "platform/file_access.h"

#include <fstream>

namespace platform {

// The portable fallback: the same contract with what the standard library offers; it cannot tell
// this user's own write access from any write permission, nor flush a file to the disk.

const DiskSteps& SystemDiskSteps()
{
    static const DiskSteps steps {
        [](int) { return true; },
        [](int, const std::string& from, const std::string& to) {
            std::error_code error;
            std::filesystem::rename(std::filesystem::u8path(from), std::filesystem::u8path(to), error);
            return !error;
        },
        [](int) {},
    };
    return steps;
}

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(kMaxFileBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool WriteFileWhole(const std::filesystem::path& path, std::string_view bytes, const DiskSteps& steps)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status old = fs::status(path, error);
    const bool replacing = fs::is_regular_file(old);
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (replacing && (old.permissions() & kAnyWrite) == fs::perms::none)
        return false;
    fs::path temporary = path;
    temporary += ".tmp";
    if (fs::exists(fs::symlink_status(temporary, error)))
        return false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return false;
        }
    }
    if (replacing)
        fs::permissions(temporary, old.permissions(), error);
    if (!steps.flushFile(-1) || !steps.rename(-1, temporary.u8string(), path.u8string())) {
        fs::remove(temporary, error);
        return false;
    }
    steps.flushDirectory(-1);
    return true;
}

bool DirectoryWritable(const std::filesystem::path& directory)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(directory, error);
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return fs::is_directory(status) && (status.permissions() & kAnyWrite) != fs::perms::none;
}

bool SaveProgramFile(const common::FilePlaces& places, std::string_view name, std::string_view bytes)
{
    if (places.writable(name).empty())
        return false;
    std::error_code error;
    if (places.userDirectory())
        std::filesystem::create_directories(*places.userDirectory(), error);
    return !error && WriteFileWhole(places.writable(name), bytes);
}

void ClearLeftoverSaves(const common::FilePlaces&) { }

void KeepRunningPastFileSizeLimit() { }

}  // namespace platform
