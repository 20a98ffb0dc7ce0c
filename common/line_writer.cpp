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
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace common
