#include "common/line_writer.h"

#include "common/code_page.h"

#include <fstream>
#include <system_error>

namespace common {

void LineWriter::writeText(std::string_view utf8)
{
    m_bytes += EncodeWindows1252(utf8);
    m_bytes += "\r\n";
}

void LineWriter::writeNumber(std::int32_t value)
{
    const std::string digits = std::to_string(value);
    if (value >= 0)
        m_bytes += ' ';
    m_bytes += digits;
    m_bytes += " \r\n";
}

bool WriteFileWhole(const std::filesystem::path& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    // A file that may not be written stays as it is, as it would if it were opened for writing;
    // a file that may be written keeps its permissions.
    std::error_code statusError;
    const fs::file_status old = fs::status(path, statusError);
    const bool replacing = fs::is_regular_file(old);
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (replacing && (old.permissions() & kAnyWrite) == fs::perms::none)
        return false;

    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    if (replacing)
        fs::permissions(temporary, old.permissions(), error);
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace common
