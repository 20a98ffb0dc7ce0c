#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace platform {

// The programs' own files are a few kilobytes; nothing past this is ever read.
inline constexpr std::size_t kMaxFileBytes = 1024 * 1024;

// The bytes of a regular file, at most kMaxFileBytes of them; nullopt when it cannot be opened
// or is anything else (a directory, a pipe, a device), which is never waited on.
std::optional<std::string> ReadSmallFile(const std::filesystem::path& path);

// What `read` makes of the file (a reader of std::istream returning an optional), or nullopt
// when the file cannot be read.
template <typename Reader>
auto ReadFileWith(const std::filesystem::path& path, Reader read) -> decltype(read(std::declval<std::istream&>()))
{
    const std::optional<std::string> bytes = ReadSmallFile(path);
    if (!bytes)
        return std::nullopt;
    std::istringstream in(*bytes);
    return read(in);
}

// Writes the whole file to a new temporary file beside it and renames that over the old file only
// once it is complete, so a failed save leaves the old file as it was. The temporary file is
// created exclusively, never through a link or into something planted in its place, and gets
// the old file's permissions. A file that nobody may write, or that this user may not write, is
// left alone. False on any failure.
bool WriteFileWhole(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform
