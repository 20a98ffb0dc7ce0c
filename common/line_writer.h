#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace common {

// Builds a settings, language or caption file line by line, each line ended by CR LF, in
// Windows-1252. Nothing touches the disk until the whole file is written with
// platform::WriteFileWhole.
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

}  // namespace common
