#pragma once

#include "common/code_page.h"
#include "common/file_places.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

namespace platform {

// The programs' own files are a few kilobytes; nothing past this is ever read.
inline constexpr std::size_t kMaxFileBytes = 1024 * 1024;

// The bytes of a regular file, at most kMaxFileBytes of them; nullopt when it cannot be opened
// or is anything else (a directory, a pipe, a device), which is never waited on.
std::optional<std::string> ReadSmallFile(const std::filesystem::path& path);

// What `read` makes of the file (a reader of std::istream returning an optional), or nullopt
// when the file cannot be read. A reader of texts that also takes a common::TextEncoding gets the
// one the file's bytes are in.
template <typename Reader>
auto ReadFileWith(const std::filesystem::path& path, Reader read)
{
    std::istringstream in;
    const auto readAs = [&in, &read](common::TextEncoding encoding) {
        if constexpr (std::is_invocable_v<Reader, std::istream&, common::TextEncoding>)
            return read(in, encoding);
        else
            return read(in);
    };
    using Result = decltype(readAs(common::TextEncoding::Windows1252));
    const std::optional<std::string> bytes = ReadSmallFile(path);
    if (!bytes)
        return Result(std::nullopt);
    in.str(*bytes);
    return readAs(common::DetectTextEncoding(*bytes));
}

// The steps of a whole-file write that put it on the disk, in the order it takes them: flush the
// complete temporary file, rename it over the old file within their directory, flush that
// directory. Without the first flush a power cut can leave an empty file under the old name.
// (The portable fallback passes no directory, -1, and whole paths.)
struct DiskSteps {
    std::function<bool(int file)> flushFile;
    std::function<bool(int directory, const std::string& from, const std::string& to)> rename;
    std::function<void(int directory)> flushDirectory;
};
const DiskSteps& SystemDiskSteps();

// Writes the whole file to a new temporary file of its own beside it and renames that over the
// old file only once it is complete and flushed, so a failed or killed save leaves the old file as
// it was and two saves at once each install a whole file. The path is looked up once, one name at
// a time: a link is followed only when this user or root made it and it leads to a regular file;
// any other link is replaced itself, and nothing else (a directory, a device) is ever replaced.
// The new file keeps the old one's owner, group, permissions (less set-ID and sticky bits), ACL and
// user attributes, or the save fails. A file that nobody may write, or that this user may not
// write, is left alone. False on any failure.
// (The portable fallback follows no link, flushes nothing and has one temporary name per file.)
bool WriteFileWhole(
    const std::filesystem::path& path, std::string_view bytes, const DiskSteps& steps = SystemDiskSteps());

// Whether this user may create and replace files in a directory: by the same rule as for a file,
// one without any write permission counts as read-only even for root.
bool DirectoryWritable(const std::filesystem::path& directory);

// Writes one of the programs' own files whole to where it belongs, creating the user's directory
// for it first when there is one, never inside another user's folder. False on any failure, and
// when there is nowhere to write (an empty path).
bool SaveProgramFile(const common::FilePlaces& places, std::string_view name, std::string_view bytes);

// Removes the temporary files that saves of this user's own killed part-way left beside the
// programs' files. Only those old enough that no save still running can own them are touched.
void ClearLeftoverSaves(const common::FilePlaces& places);

// A write past the file-size limit (ulimit -f) then fails like one to a full disk, with the
// save's message, instead of ending the program half-way through a save. Call it first in main().
void KeepRunningPastFileSizeLimit();

}  // namespace platform
