#include "common/field_reader.h"

#include "common/code_page.h"

#include <charconv>
#include <cmath>

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

void FieldReader::skipToSeparator()
{
    for (int c = m_in.get(); c != kEnd; c = m_in.get()) {
        if (c == ',')
            return;
        if (c == '\r' || c == '\n') {
            consumeLineEnd(c);
            return;
        }
    }
}

std::optional<std::string> FieldReader::readRawField()
{
    int c = m_in.get();
    while (isBlank(c))
        c = m_in.get();
    if (c == kEnd)
        return std::nullopt;

    std::string field;
    if (c == '"') {
        for (c = m_in.get(); c != kEnd && c != '"'; c = m_in.get()) {
            if (field.size() >= kMaxFieldBytes)
                return std::nullopt;
            field += static_cast<char>(c);
        }
        if (c == '"')
            skipToSeparator();
        return field;
    }
    for (; c != kEnd && c != ','; c = m_in.get()) {
        if (c == '\r' || c == '\n') {
            consumeLineEnd(c);
            break;
        }
        if (field.size() >= kMaxFieldBytes)
            return std::nullopt;
        field += static_cast<char>(c);
    }
    return std::string(trimmed(field));
}

std::optional<std::string> FieldReader::readText()
{
    const std::optional<std::string> raw = readRawField();
    if (!raw)
        return std::nullopt;
    return DecodeWindows1252(*raw);
}

std::optional<std::int32_t> FieldReader::readInteger()
{
    const std::optional<std::string> raw = readRawField();
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
