#include "common/field_reader.h"

#include "common/code_page.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace common {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool isBlank(int c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole text that is a number; a fraction or an exponent is rounded to the nearest whole
// number (halves to even), as a conversion to a whole number always rounds.
std::optional<std::int32_t> parseInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    const auto whole = std::from_chars(text.data(), text.data() + text.size(), value);
    if (whole.ec == std::errc() && whole.ptr == text.data() + text.size())
        return value;
    double number = 0;
    const auto real = std::from_chars(text.data(), text.data() + text.size(), number, std::chars_format::general);
    if (real.ec != std::errc() || real.ptr != text.data() + text.size() || !std::isfinite(number))
        return std::nullopt;
    const double rounded = std::nearbyint(number);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

void FieldReader::consumeLineEnd(int first)
{
    if (first == '\r' && m_in.peek() == '\n')
        m_in.get();
}

bool FieldReader::skipToSeparator(std::size_t budget)
{
    for (int c = m_in.get(); c != kEnd; c = m_in.get()) {
        if (c == ',')
            return true;
        if (c == '\r' || c == '\n') {
            consumeLineEnd(c);
            return true;
        }
        if (budget-- == 0)
            return false;
    }
    return true;
}

int FieldReader::firstCharacter(std::size_t& budget)
{
    int c = m_in.get();
    while (isBlank(c) && budget-- > 0)
        c = m_in.get();
    return isBlank(c) ? kEnd : c;
}

std::optional<std::string> FieldReader::readRawField(std::size_t budget)
{
    // Every byte the field takes, blanks and what follows a closing quote included, counts
    // against its cap, so no shape of file keeps the reader busy for long.
    int c = firstCharacter(budget);
    if (c == kEnd)
        return std::nullopt;

    std::string field;
    if (c == '"') {
        for (c = m_in.get(); c != kEnd && c != '"'; c = m_in.get()) {
            if (field.size() >= budget)
                return std::nullopt;
            field += static_cast<char>(c);
        }
        if (c == '"' && !skipToSeparator(budget - field.size()))
            return std::nullopt;
        return field;
    }
    for (; c != kEnd && c != ','; c = m_in.get()) {
        if (c == '\r' || c == '\n') {
            consumeLineEnd(c);
            break;
        }
        if (field.size() >= budget)
            return std::nullopt;
        field += static_cast<char>(c);
    }
    return std::string(trimmed(field));
}

bool FieldReader::skipField()
{
    // Not used, so not capped: the files themselves are read only up to a size the programs set.
    return readRawField(std::numeric_limits<std::size_t>::max()).has_value();
}

std::optional<std::string> FieldReader::readText()
{
    std::optional<std::string> raw = readRawField(kMaxFieldBytes);
    if (!raw || m_encoding == TextEncoding::Utf8)
        return raw;
    return DecodeWindows1252(*raw);
}

std::optional<std::int32_t> FieldReader::readInteger()
{
    const std::optional<std::string> raw = readRawField(kMaxFieldBytes);
    if (!raw)
        return std::nullopt;
    return parseInteger(trimmed(*raw)).value_or(0);
}

std::optional<std::int32_t> TextToInteger(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return 0;
    return parseInteger(text);
}

}  // namespace common
