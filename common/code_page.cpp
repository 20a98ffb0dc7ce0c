#include "common/code_page.h"

#include "common/utf8.h"

#include <algorithm>
#include <array>
#include <optional>

namespace common {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

}  // namespace

std::string DecodeWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : char32_t(b));
    }
    return out;
}

std::string EncodeWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        // A malformed sequence gives up one byte at a time, each written as "?".
        const std::optional<CodePoint> next = DecodeUtf8(utf8);
        utf8.remove_prefix(next ? next->length : 1);
        const char32_t c = next ? next->value : U'\uFFFD';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char encoded = '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == c)
                encoded = static_cast<char>(0x80 + i);
        }
        out += encoded;
    }
    return out;
}

TextEncoding DetectTextEncoding(std::string_view bytes)
{
    const bool above127 =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return above127 && IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

}  // namespace common
