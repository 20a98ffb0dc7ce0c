#include "common/field_reader.h"

#include "common/code_page.h"

#include <charconv>

namespace common {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool isBlank(int c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::int32_t> parseInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
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
