#pragma once

#include "common/code_page.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Reads the fields of a settings, language or caption file one at a time, lazily: it never looks
// past the field its caller asks for. Fields end at a comma or a line end (CR LF, CR or LF);
// blanks before a field are skipped; a field starting with a double quote runs to the next quote,
// and what follows the closing quote up to the separator is dropped. Texts come back as UTF-8,
// from a file in the given encoding.
class FieldReader {
public:
    // Longest field accepted, so a huge or hostile file cannot exhaust memory.
    static constexpr std::size_t kMaxFieldBytes = 64 * 1024;

    explicit FieldReader(std::istream& in, TextEncoding encoding = TextEncoding::Windows1252)
        : m_in(in)
        , m_encoding(encoding)
    { }

    // nullopt when the input ends before a field begins, or a field is too long.
    std::optional<std::string> readText();
    // Passes over a field the caller does not need, however long: false when the input ends
    // before a field begins. A file is never refused for a part that is not used.
    bool skipField();
    // The field as a 32-bit integer; surrounding blanks are ignored and a field that is not a
    // number gives 0. nullopt as for readText.
    std::optional<std::int32_t> readInteger();

private:
    std::optional<std::string> readRawField(std::size_t budget);
    int firstCharacter(std::size_t& budget);
    bool skipToSeparator(std::size_t budget);
    void consumeLineEnd(int first);

    std::istream& m_in;
    TextEncoding m_encoding;
};

// The next N fields as text, or nullopt when the input ends (or a field fails) before the last.
// The first `unused` of them are passed over and left empty.
template <std::size_t N>
std::optional<std::array<std::string, N>> ReadTextFields(FieldReader& reader, std::size_t unused = 0)
{
    std::array<std::string, N> fields;
    for (std::size_t i = 0; i < unused; ++i) {
        if (!reader.skipField())
            return std::nullopt;
    }
    for (std::size_t i = unused; i < N; ++i) {
        std::string& field = fields[i];
        std::optional<std::string> text = reader.readText();
        if (!text)
            return std::nullopt;
        field = std::move(*text);
    }
    return fields;
}

// Field `number` of a whole file read with ReadTextFields; language and caption files number
// their fields from 1.
template <std::size_t N>
const std::string& Field(const std::array<std::string, N>& fields, int number)
{
    return fields[static_cast<std::size_t>(number - 1)];
}

// A text field converted by its caller: blanks around the number are ignored and an empty text
// is 0; anything else that is not a 32-bit integer fails.
std::optional<std::int32_t> TextToInteger(std::string_view text);

}  // namespace common
