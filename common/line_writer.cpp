#include "common/line_writer.h"

#include "common/code_page.h"

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

}  // namespace common
