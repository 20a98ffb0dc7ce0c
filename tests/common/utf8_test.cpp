#include "common/utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

using namespace common;

TEST(Utf8, eachSequenceIsReadStrictlyAndWrittenBackAsItWas)
{
    // One sequence per row: the code point it stands for, or nothing when it is malformed.
    const struct {
        const char* name;
        std::string_view bytes;
        std::optional<char32_t> codePoint;
    } rows[] = {
        {"ascii", "/", U'/'},
        {"smallestOfTwoBytes", "\xC2\x80", U'\u0080'},
        {"twoBytes", "\xC3\xB1", U'\u00F1'},
        {"smallestOfThreeBytes", "\xE0\xA0\x80", U'\u0800'},
        {"lastBeforeTheSurrogates", "\xED\x9F\xBF", U'\uD7FF'},
        {"threeBytes", "\xE2\x82\xAC", U'\u20AC'},
        {"fourBytes", "\xF0\x9F\x98\x80", U'\U0001F600'},
        {"largest", "\xF4\x8F\xBF\xBF", U'\U0010FFFF'},
        {"overlongSlashInTwo", "\xC0\xAF", std::nullopt},
        {"overlongSlashInThree", "\xE0\x80\xAF", std::nullopt},
        {"overlongInFour", "\xF0\x80\x80\x80", std::nullopt},
        {"surrogate", "\xED\xA0\x80", std::nullopt},
        {"beyondTheLargest", "\xF4\x90\x80\x80", std::nullopt},
        {"leadBeyondF4", "\xF5\x80\x80\x80", std::nullopt},
        {"strayContinuation", "\x80", std::nullopt},
        {"asciiForAContinuation", "\xC3\x41", std::nullopt},
        {"cutByTheEndOfTheText", "\xE2\x82", std::nullopt},
        // The bytes go on in memory, but the text ends before the sequence does.
        {"cutByTheEndOfTheView", std::string_view("\xE2\x82\xAC", 2), std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<CodePoint> decoded = DecodeUtf8(row.bytes);
        EXPECT_EQ(decoded.has_value(), row.codePoint.has_value());
        EXPECT_EQ(IsValidUtf8(row.bytes), row.codePoint.has_value());
        if (!decoded || !row.codePoint)
            continue;
        EXPECT_EQ(decoded->value, *row.codePoint);
        EXPECT_EQ(decoded->length, row.bytes.size());
        std::string written;
        AppendUtf8(written, *row.codePoint);
        EXPECT_EQ(written, row.bytes);
    }
}
