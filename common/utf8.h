#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// UTF-8 read strictly: the shortest form of each code point only, no surrogate halves, nothing
// beyond U+10FFFF, and no sequence cut short by the end of the text. A lenient reader would take
// C0 AF for "/" and so let a character past a check that looks for its plain byte.

struct CodePoint {
    char32_t value;
    std::size_t length;  // in bytes
};

// The code point at the start of `text`; nullopt when the text is empty or its first bytes are no
// well-formed sequence.
std::optional<CodePoint> DecodeUtf8(std::string_view text);

bool IsValidUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace common
