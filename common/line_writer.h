#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace common {

// Builds a settings, language or caption file line by line, each line ended by CR LF, in
// Windows-1252. Nothing touches the disk until the whole file is written with WriteFileWhole.
class LineWriter {
public:
    // The text exactly as given; no quotes are added.
    void writeText(std::string_view utf8);
    // A blank where a plus sign would stand (or "-"), the digits, a trailing blank: " 16576 ".
    void writeNumber(std::int32_t value);

    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Writes the whole file to a temporary file beside it and renames that over the old file only
// once it is complete, so a failed save leaves the old file as it was. False on any failure.
bool WriteFileWhole(const std::filesystem::path& path, std::string_view bytes);

}  // namespace common
